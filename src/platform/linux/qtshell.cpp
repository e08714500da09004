#include "platform/linux/qtshell.h"

#include <unistd.h>

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <filesystem>
#include <system_error>

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

bool IsExecutableFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

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
        return !document.empty() && OpenDocument(Resolved(document, workingFolder));
    }
    if (IsProgramName(file, "charmap.exe")) {
        const std::string program = CharacterMapProgram();
        return !program.empty() && StartProgram(program, parameters, workingFolder);
    }
    const std::string path = Resolved(file, workingFolder);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return OpenDocument(path);
    }
    if (IsExecutableFile(path)) {
        return StartProgram(path, parameters, workingFolder);
    }
    if (std::filesystem::exists(path, ec)) {
        return OpenDocument(path);
    }
    const QString inPath = QStandardPaths::findExecutable(QString::fromStdString(file));
    return !inPath.isEmpty() && StartProgram(inPath.toStdString(), parameters, workingFolder);
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
