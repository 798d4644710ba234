#include <QApplication>

#include <gtest/gtest.h>

// Widgets, the clipboard and fonts need one application object for the run.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
