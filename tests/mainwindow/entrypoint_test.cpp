#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStringList>
#include <filesystem>

#include "support/sandbox.h"
#include "support/truetypebuilder.h"

namespace {

// Runs the built program in the sandbox's environment; returns its exit code.
int RunGlyphwell(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    // In a sanitizer build the window system libraries' own start-up allocations would count
    // as leaks of the child; the window code is leak-checked in-process by the other tests.
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    process.setProcessEnvironment(environment);
    process.start(GLYPHWELL_EXE, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

TEST(GlyphwellProgram, ScreenshotShowsTheStoredWindowAndWritesNoSettings) {
    Sandbox sandbox;
    testsupport::TrueTypeBuilder()
        .AllNames(testsupport::kLangEnglish, "Alpha", "Regular")
        .Write(sandbox.FontsFolder() + "/Alpha.ttf");
    sandbox.ReloadFonts();
    sandbox.WriteFile("home/glyphwell.ini", "[Window]\nMain=0,10,10,640,480\n");
    const std::string shot = sandbox.Path() + "/shot.png";
    ASSERT_EQ(RunGlyphwell({"--home", QString::fromStdString(sandbox.HomeFolder()), "--screenshot",
                            QString::fromStdString(shot)}),
              0);
    const QImage image(QString::fromStdString(shot));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(640, 480));
    // The picture is taken without closing the window, so the settings stay as they were.
    EXPECT_EQ(std::filesystem::file_size(sandbox.HomeFolder() + "glyphwell.ini"),
              std::string("[Window]\nMain=0,10,10,640,480\n").size());
}

// What a file manager passes when it opens fonts with the viewer (Exec=glyphwell %F).
TEST(GlyphwellProgram, FontFilesAndFoldersAreTakenAsWhatToShow) {
    Sandbox sandbox;
    const std::string font = sandbox.WriteFile(
        "downloads/-Alpha.ttf", testsupport::TrueTypeBuilder()
                                    .AllNames(testsupport::kLangEnglish, "Alpha", "Regular")
                                    .Build());
    const std::string folder = sandbox.Path() + "/more";
    std::filesystem::create_directories(folder);
    const QString home = QString::fromStdString(sandbox.HomeFolder());
    const QString shot = QString::fromStdString(sandbox.Path() + "/shot.png");
    EXPECT_EQ(RunGlyphwell({"--home", home, "--screenshot", shot, "--",
                            QString::fromStdString(font), QString::fromStdString(folder)}),
              0);
    EXPECT_FALSE(QImage(shot).isNull());
}

TEST(GlyphwellProgram, UnknownArgumentsAreRefused) {
    Sandbox sandbox;
    EXPECT_EQ(RunGlyphwell({"--home", QString::fromStdString(sandbox.HomeFolder()), "--bogus"}), 2);
}

TEST(GlyphwellProgram, PrintAndExportRunWithoutAWindow) {
    Sandbox sandbox;
    const QString home = QString::fromStdString(sandbox.HomeFolder());
    const QString folder = QString::fromStdString(sandbox.Path() + "/none");
    std::filesystem::create_directories(folder.toStdString());
    EXPECT_EQ(RunGlyphwell({"print", "--home", home}), 2);
    EXPECT_EQ(RunGlyphwell({"export", "picture.gif", "--home", home}), 2);
    // An empty folder gives nothing to write.
    EXPECT_EQ(RunGlyphwell({"print", "--pdf", folder + "/sheet.pdf", "--home", home, folder}), 1);
}

}  // namespace
