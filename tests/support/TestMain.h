#pragma once
#include "shell/Application.h"
#include <QTest>

// Like QTEST_MAIN, but with the application class of the client so that
// exceptions escaping event handlers reach the installed handler.
#define TV_TEST_MAIN(TestClass)                                   \
    int main(int argc, char* argv[])                              \
    {                                                             \
        qputenv("QT_QPA_PLATFORM", "offscreen");                  \
        Application app(argc, argv);                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                  \
        TestClass tc;                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                \
        return QTest::qExec(&tc, argc, argv);                     \
    }
