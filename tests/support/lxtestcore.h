#pragma once

// The test entry point of tests without widgets: like QTEST_GUILESS_MAIN, with the
// strict message handler chained in front of QtTest's own. qInit installs QtTest's
// handler, so ours goes in between qInit and qRun or it would never be called.
#include "strictmessages.h"

#include <QCoreApplication>
#include <QtTest>

#define LX_TEST_GUILESS_MAIN(TestObject)                                                                     \
    int main(int argc, char* argv[])                                                                         \
    {                                                                                                        \
        QCoreApplication app(argc, argv);                                                                    \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return LxTest::runTests(&tc, argc, argv);                                                            \
    }
