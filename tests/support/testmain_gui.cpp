#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// Widget tests run in-process on an offscreen QApplication.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
