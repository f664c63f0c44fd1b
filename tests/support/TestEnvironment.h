#pragma once

#include "app/CourseApplication.h"
#include "config/ServiceAddresses.h"

#include <QTest>

// Sets what the engine needs here before the application exists: as root its
// sandbox cannot start.
void prepareTestEnvironment();

// Addresses on this machine only; the port of a server the test started, or one
// that nothing listens on.
ServiceAddresses loopbackAddresses(quint16 counterPort);

// A port on 127.0.0.1 that nothing listens on.
quint16 closedPort();

#define COURSE_TEST_MAIN(TestClass)                                                                                    \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        prepareTestEnvironment();                                                                                      \
        CourseApplication application(argc, argv);                                                                     \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
