#include <QGuiApplication>

#include <gtest/gtest.h>

// Glyph measuring and drawing need a GUI application (offscreen in tests).
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
