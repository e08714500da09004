#include "output/printcommand.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <sstream>

#include "fakes/fakefonttable.h"
#include "fakes/fakeinstalledfonts.h"
#include "platform/inifile.h"
#include "platform/linux/pdfprinter.h"
#include "support/drawablefontbuilder.h"
#include "support/sandbox.h"

namespace {

class SheetCommandTest : public ::testing::Test {
protected:
    SheetCommandTest() {
        services.fontTable = &table;
        services.installedFonts = &installed;
        fontFolder = sandbox.Path() + "/work";
        for (int i = 1; i <= 3; ++i) {
            const std::string name = "Face" + std::to_string(i);
            testsupport::DrawableFontBuilder(name, "Regular")
                .Characters("ABC")
                .Write(sandbox.WriteFile("work/" + name + ".ttf", ""));
        }
    }

    int Print(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", sandbox.HomeFolder()});
        out.str("");
        err.str("");
        // A printer of its own per run, as the program has one per process.
        platform::PdfPrinter printer;
        return RunPrintCommand(args, out, err, services, printer, sandbox.HomeFolder());
    }

    int Export(std::vector<std::string> args) {
        args.push_back("--home");
        args.push_back(sandbox.HomeFolder());
        err.str("");
        return RunExportCommand(args, err, services, sandbox.HomeFolder());
    }

    std::string Path(const std::string& name) const { return sandbox.Path() + "/" + name; }

    static QByteArray Head(const std::string& file, int bytes) {
        QFile read(QString::fromStdString(file));
        return read.open(QIODevice::ReadOnly) ? read.read(bytes) : QByteArray();
    }

    Sandbox sandbox;
    fakes::FakeFontTable table;
    fakes::FakeInstalledFonts installed;
    platform::Services services;
    std::string fontFolder;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(SheetCommandTest, BadArgumentsExitWithTwoAndTheUsage) {
    const std::vector<std::vector<std::string>> printArgs = {
        {},
        {"--pdf"},
        {"--pdf", "a.pdf", "--size", "abc"},
        {"--pdf", "a.pdf", "--size", "0"},
        {"--pdf", "a.pdf", "--mode", "installed", "/tmp"},
        {"--pdf", "a.pdf", "--width", "10"},
        {"--pdf", "a.pdf", "--bogus", "x"}};
    for (const auto& args : printArgs) {
        EXPECT_EQ(Print(args), 2) << ::testing::PrintToString(args);
        EXPECT_NE(err.str().find("usage: glyphwell print"), std::string::npos);
        EXPECT_EQ(out.str(), "");
    }
    const std::vector<std::vector<std::string>> exportArgs = {{"sheet.jpg"},
                                                              {"--width", "10"},
                                                              {Path("a.png"), "--width", "0"},
                                                              {Path("a.png"), "--height", "40000"},
                                                              {Path("a.png"), "--no-file-names"},
                                                              {Path("a.png"), "--title", "x"}};
    for (const auto& args : exportArgs) {
        EXPECT_EQ(Export(args), 2) << ::testing::PrintToString(args);
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("a.png"))));
    EXPECT_EQ(installed.ListCount(), 0);
}

TEST_F(SheetCommandTest, PrintWritesThePdfAndPrintsItsPageCount) {
    EXPECT_EQ(Print({"--pdf", Path("sheet.pdf"), "--title", "Faces", fontFolder}), 0) << err.str();
    EXPECT_EQ(out.str(), "1\n");
    EXPECT_EQ(Head(Path("sheet.pdf"), 5), "%PDF-");
    // Margins taller than the page leave nothing to print: no file, exit 1.
    platform::IniFile settings(sandbox.HomeFolder() + "glyphwell.ini");
    settings.WriteInteger("Print", "Top", 100);
    settings.WriteInteger("Print", "Bottom", 100);
    EXPECT_EQ(
        Print({"--pdf", Path("tall.pdf"), "--size", "100", "--text", "1\n2\n3\n4\n5", fontFolder}),
        1);
    EXPECT_FALSE(err.str().empty());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("tall.pdf"))));
}

TEST_F(SheetCommandTest, AFileThatCannotBeWrittenExitsWithOneAndTheReason) {
    EXPECT_EQ(Print({"--pdf", Path("missing/sheet.pdf"), fontFolder}), 1);
    EXPECT_EQ(err.str().rfind("Cannot write \"" + Path("missing/sheet.pdf") + "\": ", 0), 0u)
        << err.str();
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(Export({Path("missing/picture.png"), fontFolder}), 1);
    EXPECT_NE(err.str().find("Cannot write"), std::string::npos);
}

TEST_F(SheetCommandTest, ExportWritesThePictureInTheFormatOfItsName) {
    EXPECT_EQ(Export({Path("faces.png"), "--width", "200", "--height", "120", fontFolder}), 0)
        << err.str();
    EXPECT_EQ(Head(Path("faces.png"), 4), "\x89PNG");
    EXPECT_EQ(QImage(QString::fromStdString(Path("faces.png"))).size(), QSize(200, 120));
    EXPECT_EQ(Export({Path("faces.BMP"), fontFolder}), 0) << err.str();
    EXPECT_EQ(Head(Path("faces.BMP"), 2), "BM");
    // No fonts: nothing to export.
    EXPECT_EQ(Export({Path("none.png"), sandbox.Path() + "/empty-folder-that-is-missing"}), 1);
}

}  // namespace
