// glyphwell [--home DIR] [--screenshot FILE.png]   the viewer
// glyphwell list ...                               the catalogue without a window
// glyphwell print ... / export ...                 the sample sheet / picture without a window
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "catalogue/listcommand.h"
#include "mainwindow/appdialogs.h"
#include "mainwindow/application.h"
#include "mainwindow/mainform.h"
#include "mainwindow/scan.h"
#include "output/printcommand.h"
#include "platform/language.h"
#include "platform/linux/fontconfigfontchange.h"
#include "platform/linux/fontconfigfontfilelookup.h"
#include "platform/linux/fontconfiginstalledfonts.h"
#include "platform/linux/freetypecharactermap.h"
#include "platform/linux/freetypeoutlinemetrics.h"
#include "platform/linux/qtfonttable.h"
#include "platform/linux/qtshell.h"
#include "platform/linux/qttrash.h"
#include "platform/programfolder.h"
#include "platform/userfonts.h"

namespace {

struct ViewerOptions {
    std::string home;
    std::string screenshot;
    bool valid = true;
};

ViewerOptions ParseViewerOptions(int argc, char** argv) {
    ViewerOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if ((word == "--home" || word == "--screenshot") && i + 1 < argc) {
            (word == "--home" ? options.home : options.screenshot) = argv[++i];
        } else {
            options.valid = false;
        }
    }
    return options;
}

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

int ViewerMain(int argc, char** argv) {
    const ViewerOptions options = ParseViewerOptions(argc, argv);
    if (!options.valid) {
        std::cerr << "usage: glyphwell [--home DIR] [--screenshot FILE.png]\n"
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
    services.processEvents = [] { QCoreApplication::processEvents(); };
    AppDialogs dialogs;
    platform::SetDialogs(&dialogs);

    TMainForm mainForm(services);
    TfScan scan(&mainForm, services.processEvents);
    mainForm.SetScanWindow(&scan);
    mainForm.show();
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
        return SheetCommandMain(argc, argv, platform::ExecutableFolder());
    }
    return ViewerMain(argc, argv);
}
