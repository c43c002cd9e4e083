// geomhost's commands that need no script: "apply" sets a box on many files through the Page Geometry
// dialog, as a user would (so the plug-in's units, checks and writing rules hold, never bypassed), and
// "boxes" prints the boxes of files, as text or as JSON.
#pragma once

#include <ostream>
#include <string>
#include <vector>

class Host;

class HostBatch {
public:
    // What geomhost --help shows of the two commands.
    static const char* Usage();
    static bool IsCommand(const std::string& word) { return word == "apply" || word == "boxes"; }

    // The plug-ins are loaded from `pluginFolder`; results go to `out`, failures to `err`.
    HostBatch(std::string pluginFolder, std::ostream& out, std::ostream& err);

    // `arguments` starts with the command's name. The exit status: 0, 1 when a file failed, 2 for bad use.
    int Run(const std::vector<std::string>& arguments);

private:
    struct Apply {
        std::string box = "TrimBox";
        std::string region = "offsets";
        std::string unit = "pt";
        std::string pages = "all";
        std::vector<std::string> values;
        int page = 0;  // 0: the page the document opens at
        std::string language = "ENU";
        bool quiet = false, progress = false;
        std::string output, suffix;
        bool inPlace = false;
        std::vector<std::string> files;
    };

    int BadUse(const std::string& message);
    bool ParseApply(const std::vector<std::string>& arguments, Apply& apply, std::string& error);
    int RunApply(const Apply& apply);
    static std::string EditScript(const Apply& apply);
    static std::string Complaints(Host& host, const std::string& transcript);
    bool ApplyTo(const Apply& apply, const std::string& file);
    int RunBoxes(const std::vector<std::string>& arguments);

    std::string m_pluginFolder;
    std::ostream& m_out;
    std::ostream& m_err;
};
