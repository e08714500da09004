#include "output/printcommand.h"

#include <QPainter>
#include <exception>
#include <optional>
#include <ostream>

#include "catalogue/fontlist.h"
#include "catalogue/viewersettings.h"
#include "output/exportpicture.h"
#include "output/printlayout.h"
#include "output/printsettings.h"
#include "output/sheetoptions.h"
#include "output/sheettext.h"
#include "platform/inifile.h"
#include "platform/programfolder.h"
#include "render/samplefontcache.h"

namespace {

constexpr int kExitWritten = 0;
constexpr int kExitNotWritten = 1;
constexpr int kExitBadArguments = 2;
const char* const kJobTitle = "Glyphwell Viewer";

const char* const kUsage =
    "usage: glyphwell print --pdf FILE [--title TEXT] [--size N] [--text TEXT] [--no-file-names]\n"
    "                       [--home DIR] [--mode screen|installed|folders] [--sort name|path]\n"
    "                       [FOLDER ...]\n"
    "       glyphwell export FILE.png|FILE.bmp [--width W] [--height H] [--size N] [--text TEXT]\n"
    "                        [--home DIR] [--mode screen|installed|folders] [--sort name|path]\n"
    "                        [FOLDER ...]\n";

// The fonts of the command line, loaded as `glyphwell list` loads them; the list keeps its
// folder fonts in the font table while it lives.
void LoadFonts(const TSheetOptions& options, TFontList& list, const std::string& folder,
               std::ostream& err) {
    try {
        options.LoadFonts(list, folder);
    } catch (const std::exception& e) {
        err << e.what() << '\n';
    }
    for (const auto& [path, code] : list.Errors()) {
        err << path << " (ERROR:" << code << ")\n";
    }
}

// The font list writes "error.log" into the program folder it is given. A sheet changes
// nothing other programs could see: no "fonts changed" broadcast.
platform::Services ListServices(const platform::Services& services, const std::string& folder) {
    platform::Services quiet = services;
    quiet.programFolder = folder;
    quiet.fontChange = nullptr;
    return quiet;
}

// The fonts of the command line with the program folder they were loaded for. The services
// the list holds on to live as long as the list.
class TSheetFonts {
public:
    TSheetFonts(const TSheetOptions& options, const platform::Services& services,
                const std::string& executableFolder, std::ostream& err)
        : folder_(platform::ChooseProgramFolder(options.home, executableFolder)),
          services_(ListServices(services, folder_)),
          fonts_(true, &services_) {
        LoadFonts(options, fonts_, folder_, err);
    }

    const std::string& Folder() const { return folder_; }
    TFontList& Fonts() { return fonts_; }

private:
    const std::string folder_;
    const platform::Services services_;
    TFontList fonts_;
};

TPrintInfo SheetInfo(const TSheetOptions& options, const TPrintSettings& settings,
                     const platform::PrinterPage& page) {
    TPrintInfo info;
    info.PageWidth = page.width;
    info.PageHeight = page.height;
    info.PixelsPerInch = page.dpiY;
    info.MarginLeft = MmToDots(settings.left, page.dpiX);
    info.MarginRight = MmToDots(settings.right, page.dpiX);
    info.MarginTop = MmToDots(settings.top, page.dpiY);
    info.MarginBottom = MmToDots(settings.bottom, page.dpiY);
    info.FontSize = options.fontSize;
    info.PrintFileName = options.fileNames;
    info.NameColor = settings.nameColor;
    info.TextColor = settings.textColor;
    info.TitleColor = settings.titleColor;
    info.Title = CutUtf8(options.title, TPrintInfo::kTitleLimit);
    info.SampleText = CutUtf8(options.text, TPrintInfo::kSampleTextLimit);
    info.LineCount = static_cast<int>(SampleLines(QString::fromStdString(info.SampleText)).size());
    return info;
}

}  // namespace

int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const platform::Services& services, platform::Printer& printer,
                    const std::string& executableFolder) {
    const std::optional<TSheetOptions> options =
        TSheetOptions::Parse(TSheetOptions::Kind::Print, args);
    if (!options) {
        err << kUsage;
        return kExitBadArguments;
    }
    TSheetFonts sheet(*options, services, executableFolder, err);
    TFontList& fonts = sheet.Fonts();
    const TPrintSettings settings =
        TPrintSettings::Read(platform::IniFile(sheet.Folder() + kSettingsFileName));
    TPrintInfo info = SheetInfo(*options, settings, printer.Page());
    CalcPrintLayout(printer.Canvas(), fonts, info);
    if (info.PageCount == 0) {
        err << "Nothing to print: no font fits on a page, or there are no fonts.\n";
        return kExitNotWritten;
    }
    std::string error;
    QPainter* painter = printer.BeginDoc(kJobTitle, options->output, error);
    if (painter == nullptr) {
        err << error << '\n';
        return kExitNotWritten;
    }
    info.Printer = &printer;
    TSampleFontCache faces(services.fontTable);
    DrawPrintPages(*painter, fonts, info, faces);
    if (!printer.EndDoc(error)) {
        err << error << '\n';
        return kExitNotWritten;
    }
    out << info.PageCount << '\n';
    return kExitWritten;
}

int RunExportCommand(const std::vector<std::string>& args, std::ostream& err,
                     const platform::Services& services, const std::string& executableFolder) {
    const std::optional<TSheetOptions> options =
        TSheetOptions::Parse(TSheetOptions::Kind::Export, args);
    if (!options) {
        err << kUsage;
        return kExitBadArguments;
    }
    TSheetFonts sheet(*options, services, executableFolder, err);
    const std::vector<std::string> names = TExportPicture::ChosenFonts(sheet.Fonts(), true);
    if (names.empty() || options->text.empty()) {
        err << "Nothing to export: there are no fonts, or the sample text is empty.\n";
        return kExitNotWritten;
    }
    TSampleFontCache faces(services.fontTable);
    TExportLook look;
    look.fontSize = options->fontSize;
    TExportPicture picture(names, QString::fromStdString(options->text), look, faces);
    const std::int64_t width = options->width > 0 ? options->width : picture.NaturalWidth();
    const std::int64_t height = options->height > 0 ? options->height : picture.NaturalHeight();
    if (width > TExportPicture::kMaxSide || height > TExportPicture::kMaxSide ||
        width * height > TExportPicture::kMaxPixels) {
        err << "A picture of " << width << " x " << height << " pixels is too large (at most "
            << TExportPicture::kMaxSide << " pixels a side and " << TExportPicture::kMaxPixels
            << " pixels in all); choose --width and --height.\n";
        return kExitBadArguments;
    }
    std::string error;
    if (!TExportPicture::Save(picture.Draw(static_cast<int>(width), static_cast<int>(height)),
                              options->output, error)) {
        err << error << '\n';
        return kExitNotWritten;
    }
    return kExitWritten;
}

bool IsSheetCommand(const std::string& word) {
    return word == "print" || word == "export";
}
