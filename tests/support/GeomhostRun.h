// The geomhost program run as a user runs it, as a whole process: its exit status and everything it printed.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

struct GeomhostRun {
    int status;  // -1 when it did not end by itself; 124 when it ran past the time limit
    std::string output;
};

// `before` goes in front of the command line: variables of the environment, or a change of user. A run that
// hangs is stopped after a minute rather than holding up the suite.
inline GeomhostRun Geomhost(const std::string& arguments, const std::string& before = "") {
    const std::string command = before + "timeout 60 " GEOM_BIN_DIR "/geomhost " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    GeomhostRun run{-1, ""};
    if (pipe == nullptr) return run;
    char chunk[512];
    while (std::fgets(chunk, sizeof chunk, pipe) != nullptr) run.output += chunk;
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
