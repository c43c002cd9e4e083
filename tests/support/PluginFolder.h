// A folder of its own for one test, gone with everything in it when the test ends; and the same as a plug-in
// folder: links to the built plug-ins the test wants the host to load.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

class TestFolder {
public:
    TestFolder() {
        char pattern[] = "/tmp/geomhost-test-XXXXXX";
        m_path = mkdtemp(pattern);
    }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    std::string Path(const std::string& name = "") const {
        return name.empty() ? m_path.string() : (m_path / name).string();
    }
    // The names in the folder, sorted: a save must leave nothing else behind.
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.insert(entry.path().filename().string());
        return names;
    }

protected:
    std::filesystem::path m_path;
};

// Only programs that run the built plug-ins know their bin folder; the benchmarks share the folder alone.
#ifdef GEOM_BIN_DIR
class PluginFolder : public TestFolder {
public:
    // Links the built plug-in (a path relative to the build's bin folder) into the folder, under `name`
    // (which may name a subfolder).
    std::string Add(const std::string& built, const std::string& name) {
        const std::filesystem::path link = m_path / name;
        std::filesystem::create_directories(link.parent_path());
        std::filesystem::create_symlink(std::filesystem::path(GEOM_BIN_DIR) / built, link);
        return link.string();
    }
};
#endif

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
