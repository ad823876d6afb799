#pragma once

// Test entry points: like QTEST_MAIN / QTEST_GUILESS_MAIN, with the strict
// message handler installed first.
#include "strictmessages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QtTest>

#define LX_TEST_MAIN(TestObject)                                                                             \
    int main(int argc, char* argv[])                                                                         \
    {                                                                                                        \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        LxTest::installStrictMessageHandler();                                                               \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }

#define LX_TEST_GUILESS_MAIN(TestObject)                                                                     \
    int main(int argc, char* argv[])                                                                         \
    {                                                                                                        \
        QCoreApplication app(argc, argv);                                                                    \
        LxTest::installStrictMessageHandler();                                                               \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
