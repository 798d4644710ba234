#pragma once

#include <QApplication>

#include <gtest/gtest.h>

// main() for tests that need a QApplication (widgets, fonts, clipboard).
#define OSTRA_QT_TEST_MAIN                                                                         \
    int main(int argc, char** argv) {                                                              \
        QApplication app(argc, argv);                                                              \
        ::testing::InitGoogleTest(&argc, argv);                                                    \
        return RUN_ALL_TESTS();                                                                    \
    }
