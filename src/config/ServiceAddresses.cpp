#include "config/ServiceAddresses.h"

#include "BuildAddresses.h"

ServiceAddresses ServiceAddresses::builtIn()
{
    return {QStringLiteral(COURSEWARE_LINK_SERVICE_URL), QStringLiteral(COURSEWARE_HOME_PAGE_URL),
            QStringLiteral(COURSEWARE_COUNTER_SERVICE_URL)};
}
