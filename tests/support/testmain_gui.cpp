#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <cstdlib>

// Widget tests run in-process on an offscreen QApplication.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    // Qt reads the system's fonts once, on first use. Reading them now, before any test's
    // sandbox points fontconfig at its own folders, keeps the system fonts drawable.
    QFontDatabase::families();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
