#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// The Qt test programs share one application object for all their tests.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    // The program's settings go to a test folder, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    return RUN_ALL_TESTS();
}
