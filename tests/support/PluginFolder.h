// A plug-in folder of its own for one test: links to the built plug-ins the test wants the host to load.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

class PluginFolder {
public:
    PluginFolder() {
        char pattern[] = "/tmp/geomhost-plugins-XXXXXX";
        m_path = mkdtemp(pattern);
    }
    ~PluginFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    PluginFolder(const PluginFolder&) = delete;
    PluginFolder& operator=(const PluginFolder&) = delete;

    // Links the built plug-in (a path relative to the build's bin folder) into the folder, under `name`
    // (which may name a subfolder).
    std::string Add(const std::string& built, const std::string& name) {
        const std::filesystem::path link = m_path / name;
        std::filesystem::create_directories(link.parent_path());
        std::filesystem::create_symlink(std::filesystem::path(GEOM_BIN_DIR) / built, link);
        return link.string();
    }
    std::string Path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

// The line of the host's printed menus or toolbars that ends with "[name]", without its indentation; empty
// when there is none.
inline std::string LineOf(const std::string& text, const std::string& name) {
    std::istringstream lines(text);
    const std::string end = "[" + name + "]";
    for (std::string line; std::getline(lines, line);) {
        if (line.size() >= end.size() && line.compare(line.size() - end.size(), end.size(), end) == 0) {
            return line.substr(line.find_first_not_of(' '));
        }
    }
    return "";
}
