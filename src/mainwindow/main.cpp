// glyphwell [--home DIR] [--screenshot FILE.png] [PATH ...]   the viewer (PATH: a font file
//                                                             or a folder to show)
// glyphwell list ...                  the catalogue without a window
// glyphwell print ... / export ...    the sample sheet / picture without a window
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/listcommand.h"
#include "fontcommands/ui/copyprogress.h"
#include "fontcommands/ui/delprogress.h"
#include "mainwindow/appdialogs.h"
#include "mainwindow/application.h"
#include "mainwindow/mainform.h"
#include "mainwindow/scan.h"
#include "mainwindow/viewerarguments.h"
#include "output/printcommand.h"
#include "platform/language.h"
#include "platform/linux/fontconfigfontchange.h"
#include "platform/linux/fontconfigfontfilelookup.h"
#include "platform/linux/fontconfiginstalledfonts.h"
#include "platform/linux/freetypecharactermap.h"
#include "platform/linux/freetypeoutlinemetrics.h"
#include "platform/linux/pdfprinter.h"
#include "platform/linux/posixfilesystem.h"
#include "platform/linux/qtdialogs.h"
#include "platform/linux/qtfonttable.h"
#include "platform/linux/qtprinter.h"
#include "platform/linux/qtshell.h"
#include "platform/linux/qttrash.h"
#include "platform/programfolder.h"
#include "platform/userfonts.h"

namespace {

bool HasDisplay() {
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

// Without a display there is nothing to show on; the offscreen platform still draws.
void UseOffscreenWithoutDisplay() {
    if (!HasDisplay() && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
}

// The facts of this run every part is told: where its files live, where fonts are installed,
// the user's language.
platform::Services RunFacts(const std::string& programFolder) {
    platform::Services services;
    services.programFolder = programFolder;
    services.userFontsFolder = platform::UserFontsFolder();
    services.userLanguage = platform::UserDefaultLangID();
    return services;
}

int ListMain(int argc, char** argv) {
    const std::vector<std::string> args(argv + 2, argv + argc);
    platform::FontconfigInstalledFonts installedFonts;
    platform::Services services = RunFacts(platform::ExecutableFolder());
    services.installedFonts = &installedFonts;
    if (!ListCommandNeedsFontTable(args)) {
        return RunListCommand(args, std::cout, std::cerr, services);
    }
    UseOffscreenWithoutDisplay();
    QGuiApplication app(argc, argv);
    platform::QtFontTable fontTable;
    platform::FontconfigFontChange fontChange;
    services.fontTable = &fontTable;
    services.fontChange = &fontChange;
    return RunListCommand(args, std::cout, std::cerr, services);
}

// `glyphwell print` and `glyphwell export`: argv[1] names the command. The window system's
// font database runs offscreen without a display.
int SheetMain(int argc, char** argv) {
    UseOffscreenWithoutDisplay();
    QGuiApplication app(argc, argv);
    platform::QtFontTable fontTable;
    platform::FontconfigInstalledFonts installedFonts;
    platform::Services services;
    services.fontTable = &fontTable;
    services.installedFonts = &installedFonts;
    const std::vector<std::string> args(argv + 2, argv + argc);
    const std::string executableFolder = platform::ExecutableFolder();
    if (std::string(argv[1]) == "print") {
        platform::PdfPrinter printer;
        return RunPrintCommand(args, std::cout, std::cerr, services, printer, executableFolder);
    }
    return RunExportCommand(args, std::cerr, services, executableFolder);
}

int ViewerMain(int argc, char** argv) {
    const TViewerArguments options = ParseViewerArguments({argv + 1, argv + argc});
    if (!options.valid) {
        std::cerr
            << "usage: glyphwell [--home DIR] [--screenshot FILE.png] [FILE.ttf ... | FOLDER]\n"
               "       glyphwell list ...\n";
        return 2;
    }
    if (!options.screenshot.empty()) {
        UseOffscreenWithoutDisplay();
    }
    TApplication app(argc, argv);

    platform::QtFontTable fontTable;
    platform::FontconfigInstalledFonts installedFonts;
    platform::FontconfigFontChange fontChange;
    platform::QtShell shell;
    platform::QtTrash trash;
    platform::FreeTypeOutlineMetrics outlineMetrics;
    platform::FontconfigFontFileLookup fontFiles;
    platform::FreeTypeCharacterMap characterMap;
    platform::PosixFileSystem fileSystem;
    platform::Services services = RunFacts(platform::ChooseProgramFolder(
        options.home, QCoreApplication::applicationDirPath().toStdString()));
    services.fontTable = &fontTable;
    services.installedFonts = &installedFonts;
    services.fontChange = &fontChange;
    services.shell = &shell;
    services.trash = &trash;
    services.outlineMetrics = &outlineMetrics;
    services.fontFiles = &fontFiles;
    services.characterMap = &characterMap;
    services.fileSystem = &fileSystem;
    services.processEvents = [] { QCoreApplication::processEvents(); };
    services.newPrinter = [] { return std::make_unique<platform::QtPrinter>(); };
    platform::QtDialogs desktopDialogs;
    AppDialogs dialogs(desktopDialogs);
    platform::SetDialogs(&dialogs);

    TMainForm mainForm(services);
    TfScan scan(&mainForm, services.processEvents);
    mainForm.SetScanWindow(&scan);
    TfCopying copying(&mainForm, services.processEvents);
    TfDeleting deleting(&mainForm, services.processEvents);
    mainForm.SetFileWindows(&copying, &deleting);
    mainForm.show();
    // Files and folders from the file manager ("Open with", a double-click) are shown once
    // the stored settings are in.
    mainForm.OpenPaths(options.paths);
    if (!options.screenshot.empty()) {
        // The first load ran while the window was first shown; grabbing paints it now.
        QTimer::singleShot(0, &mainForm, [&] {
            const bool saved = mainForm.grab().save(QString::fromStdString(options.screenshot));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    const int result = app.exec();
    platform::SetDialogs(nullptr);
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "list") {
        return ListMain(argc, argv);
    }
    if (argc >= 2 && IsSheetCommand(argv[1])) {
        return SheetMain(argc, argv);
    }
    return ViewerMain(argc, argv);
}
