#pragma once

#include <QString>

// The three roots every web address is built from. The member names are the ones
// the publisher's documents use.
struct ServiceAddresses
{
    QString LinkService;       // redirect links: host and "/", followed by "?@…"
    QString HomePageUrl;       // the publisher's home page
    QString CounterServiceUrl; // usage count: host, no trailing slash

    // The values fixed when this build was configured.
    static ServiceAddresses builtIn();
};
