// geomhost: the host program a user runs. It loads the plug-ins, starts them as the host application
// would, opens a document and runs a script of the user's actions when told to (HostScript), prints what
// the user would see, then quits and unloads them in order.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "host/core/Host.h"
#include "host/script/HostBatch.h"
#include "host/script/HostQuietOutput.h"
#include "host/script/HostScript.h"

namespace {

constexpr const char kUsage[] =
    "usage: geomhost [options]\n"
    "  --plugins DIR        load the plug-ins (*.api) of DIR (default: the program's own folder)\n"
    "  --host-version X.Y   play a host of that version (default 7.0)\n"
    "  --lang XXX           the host's three-letter language code (default ENU)\n"
    "  --no-edit            play a host that may not edit documents\n"
    "  --no-debugger        offer no debugger window\n"
    "  --toolbar-room N     room for N more buttons on each toolbar (default 8; 0 plays a full toolbar)\n"
    "  --fail-box-write N   make the N-th write of a page box fail, as a damaged document would\n"
    "  --handshake X.Y      offer that handshake version (default 2.0)\n"
    "  --progress           show long operations as a bar on standard error even when it is not a\n"
    "                       terminal (on a terminal it is the default; otherwise they are lines of output)\n"
    "  --quiet              print nothing but errors and alerts, on standard error\n"
    "  --open FILE          open the PDF file FILE after start-up\n"
    "  --script FILE        then run the commands of FILE (\"-\": standard input; on a terminal, typed one\n"
    "                       at a time) and quit; exit status 1 when the script stopped at an error\n"
    "  --help               show this text and the script commands\n";

int Fail(const std::string& message) {
    std::cerr << "geomhost: " << message << "\n" << kUsage << HostBatch::Usage();
    return 2;
}

bool ParseVersion(const char* text, uint16_t& major, uint16_t& minor) {
    unsigned a = 0, b = 0;
    char end = 0;
    if (std::sscanf(text, "%u.%u%c", &a, &b, &end) != 2 || a > 0xFFFF || b > 0xFFFF) return false;
    major = static_cast<uint16_t>(a);
    minor = static_cast<uint16_t>(b);
    return true;
}

bool ParseCount(const char* text, int& count) {
    unsigned value = 0;
    char end = 0;
    if (std::sscanf(text, "%u%c", &value, &end) != 1 || value > 1000000) return false;
    count = static_cast<int>(value);
    return true;
}

std::string ProgramFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

struct Options {
    HostConfig config;
    std::string pluginFolder = ProgramFolder();
    std::string documentPath;
    std::string scriptPath;
    bool quiet = false;
    bool progress = false;
};

// Reads the options into `options`; the exit status when the program ends here (--help, bad use), else -1.
int ParseOptions(int argc, char** argv, Options& options) {
    HostConfig& config = options.config;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--help") {
            std::cout << kUsage << HostBatch::Usage() << "\n" << HostScript::Help();
            return 0;
        } else if (option == "--plugins" && hasValue) {
            options.pluginFolder = argv[++i];
        } else if (option == "--host-version" && hasValue) {
            if (!ParseVersion(argv[++i], config.versionMajor, config.versionMinor)) {
                return Fail(std::string("not a version: '") + argv[i] + "'");
            }
        } else if (option == "--handshake" && hasValue) {
            uint16_t major = 0, minor = 0;
            if (!ParseVersion(argv[++i], major, minor)) return Fail(std::string("not a version: '") + argv[i] + "'");
            config.handshakeVersion = MakeHostVersion(major, minor);
        } else if (option == "--lang" && hasValue) {
            config.language = argv[++i];
            if (config.language.size() != 3)
                return Fail("a language code has three letters: '" + config.language + "'");
        } else if (option == "--open" && hasValue) {
            options.documentPath = argv[++i];
        } else if (option == "--script" && hasValue) {
            options.scriptPath = argv[++i];
        } else if ((option == "--toolbar-room" || option == "--fail-box-write") && hasValue) {
            int& number = option == "--toolbar-room" ? config.toolbarRoom : config.failBoxWrite;
            if (!ParseCount(argv[++i], number)) return Fail("not a count: '" + std::string(argv[i]) + "'");
        } else if (option == "--no-edit") {
            config.canEdit = false;
        } else if (option == "--no-debugger") {
            config.debuggerWindow = false;
        } else if (option == "--quiet" || option == "--progress") {
            (option == "--quiet" ? options.quiet : options.progress) = true;
        } else if (option == "--plugins" || option == "--host-version" || option == "--handshake" ||
                   option == "--lang" || option == "--open" || option == "--script" || option == "--toolbar-room" ||
                   option == "--fail-box-write") {
            return Fail("option '" + option + "' needs a value");
        } else {
            return Fail("unknown option '" + option + "'");
        }
    }
    if (options.quiet && options.progress) return Fail("--quiet and --progress contradict each other");
    config.progress = options.quiet                               ? HostProgressStyle::None
                      : options.progress || isatty(STDERR_FILENO) ? HostProgressStyle::Bar
                                                                  : HostProgressStyle::Lines;
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    // "geomhost apply ..." and "geomhost boxes ...": a command of its own, with options of its own.
    if (argc > 1 && HostBatch::IsCommand(argv[1])) {
        return HostBatch(ProgramFolder(), std::cout, std::cerr).Run(std::vector<std::string>(argv + 1, argv + argc));
    }
    Options options;
    if (const int status = ParseOptions(argc, argv, options); status >= 0) return status;
    const HostConfig& config = options.config;
    if (!std::filesystem::is_directory(options.pluginFolder)) {
        return Fail("plug-in folder '" + options.pluginFolder + "' does not exist");
    }
    const std::string& scriptPath = options.scriptPath;
    std::ifstream scriptFile;
    if (!scriptPath.empty() && scriptPath != "-") {
        // A folder opens as a stream too, and then reads as an empty script.
        if (std::filesystem::is_directory(scriptPath)) return Fail("the script '" + scriptPath + "' is a folder");
        scriptFile.open(scriptPath);
        if (!scriptFile) return Fail("cannot read the script '" + scriptPath + "'");
    }

    HostQuietOutput complaints(std::cerr);
    std::ostream quiet(&complaints);
    std::ostream& out = options.quiet ? quiet : std::cout;
    Host host(config, out);
    out << "[host] version " << config.versionMajor << "." << config.versionMinor << ", language " << config.language
        << (config.canEdit ? "" : ", no editing") << "; plug-ins from " << options.pluginFolder << "\n";
    host.LoadPlugins(options.pluginFolder);
    for (const auto& plugin : host.Plugins()) {
        if (plugin->state == HostPlugin::State::Initialized) out << "[host] loaded " << plugin->fileName << "\n";
    }
    host.FinishStartup();
    HostScript script(host);
    bool ok = options.documentPath.empty() || script.Open(options.documentPath);
    if (ok && !scriptPath.empty()) {
        const bool fromTerminal = scriptPath == "-" && isatty(STDIN_FILENO);
        ok = script.Run(scriptPath == "-" ? std::cin : scriptFile, fromTerminal) || fromTerminal;
    }
    out << "[host] quitting\n";
    host.Quit();
    return ok ? 0 : 1;
}
