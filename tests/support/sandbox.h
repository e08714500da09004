#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

// A temporary world for one test: a program folder (home/), the user's Fonts folder
// (data/fonts, via XDG_DATA_HOME), a config folder, and a fontconfig configuration that
// names only sandbox font folders and a sandbox cache. HOME points into the sandbox too,
// so nothing reaches the real user's files, fonts or trash. The destructor restores the
// environment and fontconfig, and removes the tree.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    // The sandbox root, without a trailing '/'.
    const std::string& Path() const { return root_; }
    // The program folder, with a trailing '/'.
    std::string HomeFolder() const { return root_ + "/home/"; }
    // The user's Fonts folder, without a trailing '/'.
    std::string FontsFolder() const { return root_ + "/data/fonts"; }
    std::string ConfigFolder() const { return root_ + "/config"; }
    // Services with the sandbox's program folder and Fonts folder and no service objects, for
    // the test to fill in.
    platform::Services Services() const;

    // Creates root/relativePath as a font folder fontconfig knows; returns its full path.
    std::string AddFontDir(const std::string& relativePath);
    // Writes content to root/relativePath (parents created); returns the full path.
    std::string WriteFile(const std::string& relativePath, const std::string& content);
    // Copies an existing file to root/relativePath (parents created); returns the full path.
    std::string CopyFile(const std::string& source, const std::string& relativePath);
    // Rewrites fonts.conf from the folders known so far and reloads fontconfig.
    void ReloadFonts();
    // The font files another program sees under the sandbox's configuration: fc-list run in
    // a process of its own, in its order.
    std::vector<std::string> FilesOtherProgramsSee() const;

private:
    void WriteFontsConf() const;

    std::string root_;
    std::vector<std::string> fontDirs_;
    std::map<std::string, std::optional<std::string>> savedEnvironment_;
};
