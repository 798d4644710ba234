#include <gtest/gtest.h>

#include <QApplication>

// One application object for the widget tests; the painters need none.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
