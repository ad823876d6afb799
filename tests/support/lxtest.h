#pragma once

// The test entry point of widget tests: like QTEST_MAIN, with the strict message
// handler of lxtestcore.h.
#include "lxtestcore.h"

#include <QApplication>

#define LX_TEST_MAIN(TestObject)                                                                             \
    int main(int argc, char* argv[])                                                                         \
    {                                                                                                        \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return LxTest::runTests(&tc, argc, argv);                                                            \
    }
