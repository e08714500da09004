#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/linux/fontconfigstate.h"

namespace fs = std::filesystem;

namespace {

const char* const kVariables[] = {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "XDG_DATA_HOME",
                                  "XDG_CONFIG_HOME", "XDG_CACHE_HOME",  "HOME"};

std::string MakeTempRoot() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern =
        (tmp != nullptr && tmp[0] == '/' ? std::string(tmp) : "/tmp") + "/gw-sandbox-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot create the sandbox folder " << pattern;
        return {};
    }
    return pattern;
}

std::string XmlEscaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
// fontconfig keeps its configuration in globals that only FcFini releases, which programs
// never call; reloading it for a sandbox must not read as a leak of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif

Sandbox::Sandbox() : root_(MakeTempRoot()) {
    for (const char* variable : kVariables) {
        const char* value = std::getenv(variable);
        savedEnvironment_[variable] =
            value != nullptr ? std::optional<std::string>(value) : std::nullopt;
    }
    for (const char* folder : {"home", "data/fonts", "config", "cache/fontconfig"}) {
        fs::create_directories(root_ + "/" + folder);
    }
    fontDirs_.push_back(FontsFolder());
    setenv("HOME", root_.c_str(), 1);
    setenv("XDG_DATA_HOME", (root_ + "/data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", ConfigFolder().c_str(), 1);
    setenv("XDG_CACHE_HOME", (root_ + "/cache").c_str(), 1);
    setenv("FONTCONFIG_FILE", (root_ + "/fonts.conf").c_str(), 1);
    unsetenv("FONTCONFIG_PATH");
    ReloadFonts();
}

Sandbox::~Sandbox() {
    for (const auto& [variable, value] : savedEnvironment_) {
        if (value) {
            setenv(variable.c_str(), value->c_str(), 1);
        } else {
            unsetenv(variable.c_str());
        }
    }
    platform::FontconfigState::Reload();
    std::error_code ec;
    if (!root_.empty()) {
        fs::remove_all(root_, ec);
    }
}

platform::Services Sandbox::Services() const {
    platform::Services services;
    services.programFolder = HomeFolder();
    services.userFontsFolder = FontsFolder();
    return services;
}

std::string Sandbox::AddFontDir(const std::string& relativePath) {
    const std::string path = root_ + "/" + relativePath;
    fs::create_directories(path);
    fontDirs_.push_back(path);
    ReloadFonts();
    return path;
}

std::string Sandbox::WriteFile(const std::string& relativePath, const std::string& content) {
    const fs::path path = fs::path(root_) / relativePath;
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    EXPECT_TRUE(out.good()) << "cannot write " << path;
    return path.string();
}

std::string Sandbox::CopyFile(const std::string& source, const std::string& relativePath) {
    const fs::path path = fs::path(root_) / relativePath;
    fs::create_directories(path.parent_path());
    std::error_code ec;
    fs::copy_file(source, path, fs::copy_options::overwrite_existing, ec);
    EXPECT_FALSE(ec) << "cannot copy " << source << ": " << ec.message();
    return path.string();
}

void Sandbox::ReloadFonts() {
    WriteFontsConf();
    platform::FontconfigState::Reload();
}

std::vector<std::string> Sandbox::FilesOtherProgramsSee() const {
    // The child inherits FONTCONFIG_FILE and the XDG folders set above.
    FILE* pipe = popen("fc-list --format '%{file}\\n' 2>/dev/null", "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run fc-list";
        return {};
    }
    std::string output;
    char buffer[4096];
    for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, got);
    }
    EXPECT_EQ(pclose(pipe), 0) << "fc-list failed";
    std::vector<std::string> files;
    for (std::size_t start = 0, end; start < output.size(); start = end + 1) {
        end = output.find('\n', start);
        if (end == std::string::npos) {
            end = output.size();
        }
        if (end > start) {
            files.push_back(output.substr(start, end - start));
        }
    }
    return files;
}

void Sandbox::WriteFontsConf() const {
    std::ofstream out(root_ + "/fonts.conf", std::ios::trunc);
    out << "<?xml version=\"1.0\"?>\n"
           "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
           "<fontconfig>\n";
    for (const std::string& dir : fontDirs_) {
        out << "  <dir>" << XmlEscaped(dir) << "</dir>\n";
    }
    out << "  <cachedir>" << XmlEscaped(root_ + "/cache/fontconfig") << "</cachedir>\n"
        << "</fontconfig>\n";
}
