// The geomhost program as a user runs it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct ProgramRun {
    int status;
    std::string output;
};

ProgramRun Geomhost(const std::string& arguments) {
    const std::string command = GEOM_BIN_DIR "/geomhost " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ProgramRun run{-1, ""};
    if (pipe == nullptr) return run;
    char chunk[512];
    while (std::fgets(chunk, sizeof chunk, pipe) != nullptr) run.output += chunk;
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(GeomhostProgram, LoadsTheGeometryPlugInAndQuits) {
    const ProgramRun run = Geomhost("--no-debugger");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("[host] loaded Geometry.api"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("[host] quitting"), std::string::npos) << run.output;
}

TEST(GeomhostProgram, OldHostShowsTheRefusal) {
    const ProgramRun run = Geomhost("--host-version 3.1");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("[alert] The plug-in Geometry requires Adobe Acrobat version 4.00 or newer."),
              std::string::npos)
        << run.output;
}

TEST(GeomhostProgram, BadUseIsExplainedWithExitCode2) {
    const ProgramRun unknown = Geomhost("--frobnicate");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.output.find("geomhost: unknown option '--frobnicate'"), std::string::npos) << unknown.output;
    EXPECT_NE(unknown.output.find("usage: geomhost"), std::string::npos);

    const ProgramRun missing = Geomhost("--plugins /nonexistent/folder");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.output.find("plug-in folder '/nonexistent/folder' does not exist"), std::string::npos);

    EXPECT_EQ(Geomhost("--host-version seven").status, 2);
    EXPECT_EQ(Geomhost("--lang").status, 2);
    EXPECT_EQ(Geomhost("--help").status, 0);
}

}  // namespace
