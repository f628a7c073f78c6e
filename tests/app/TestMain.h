// The window tests' main: QTEST_MAIN's, ending the process as the programs do (see
// app/ProgramEnd.h), so a sound still being decoded at the end cannot hang the test.
#pragma once

#include <QApplication>
#include <QTest>

#include "app/ProgramEnd.h"

#define LOOPSIM_TEST_MAIN(TestObject)                 \
    int main(int argc, char** argv) {                 \
        int status = 0;                               \
        {                                             \
            QApplication app(argc, argv);             \
            app.setAttribute(Qt::AA_Use96Dpi, true);  \
            TestObject test;                          \
            QTEST_SET_MAIN_SOURCE_PATH                \
            status = QTest::qExec(&test, argc, argv); \
        }                                             \
        loopsim::endProgram(status);                  \
    }
