#include <QApplication>

#include <gtest/gtest.h>

// The Qt test programs share one application object for all their tests.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
