#include "platform/linux/qtshell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/collation.h"

namespace platform {
namespace {

bool IsProgramName(const std::string& file, const char* windowsName) {
    const std::string bare(windowsName, std::string_view(windowsName).find('.'));
    return CompareStrI(file, windowsName) == 0 || CompareStrI(file, bare) == 0;
}

std::string Resolved(const std::string& file, const std::string& workingFolder) {
    if (file.empty() || file.front() == '/' || workingFolder.empty()) {
        return file;
    }
    return (std::filesystem::path(workingFolder) / file).string();
}

// "notepad.exe" gets its file as a command line, possibly quoted for names with spaces.
std::string Unquoted(const std::string& parameter) {
    if (parameter.size() >= 2 && parameter.front() == '"' && parameter.back() == '"') {
        return parameter.substr(1, parameter.size() - 2);
    }
    return parameter;
}

}  // namespace

QtShell::QtShell() : QtShell(Launcher{&QtShell::OpenDocument, &QtShell::StartProgram}) {}

QtShell::QtShell(Launcher launcher) : launcher_(std::move(launcher)) {}

std::string QtShell::CharacterMapProgram() {
    for (const char* candidate : {"gucharmap", "kcharselect"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(candidate));
        if (!found.isEmpty()) {
            return found.toStdString();
        }
    }
    return {};
}

bool QtShell::Execute(const std::string& file, const std::string& parameters,
                      const std::string& workingFolder) {
    if (IsProgramName(file, "notepad.exe")) {
        // The log opens in whatever the desktop uses for text files.
        const std::string document = Unquoted(parameters);
        return !document.empty() && launcher_.openDocument(Resolved(document, workingFolder));
    }
    if (IsProgramName(file, "charmap.exe")) {
        const std::string program = CharacterMapProgram();
        return !program.empty() && launcher_.startProgram(program, parameters, workingFolder);
    }
    // Everything else is a document or a folder, whatever its mode bits say: fonts on FAT
    // drives carry the execute bit, and a script named like a font must never run.
    const std::string path = Resolved(file, workingFolder);
    std::error_code ec;
    return std::filesystem::exists(path, ec) && launcher_.openDocument(path);
}

bool QtShell::OpenUrl(const std::string& url) {
    const QUrl parsed(QString::fromStdString(url));
    return parsed.isValid() && !parsed.scheme().isEmpty() && QDesktopServices::openUrl(parsed);
}

bool QtShell::OpenDocument(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

bool QtShell::StartProgram(const std::string& program, const std::string& parameters,
                           const std::string& workingFolder) {
    return QProcess::startDetached(QString::fromStdString(program),
                                   QProcess::splitCommand(QString::fromStdString(parameters)),
                                   QString::fromStdString(workingFolder));
}

}  // namespace platform
