// What the tests of the probe plug-in share: its folder, a reference to its module that keeps its state
// alive between hosts, the host that runs it, and calls of the probe's exported functions.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "GLIB/GLIB_StringUtils.h"
#include "PluginFolder.h"
#include "Win32.h"
#include "host/Host.h"

class ProbeTest : public ::testing::Test {
protected:
    ProbeTest() {
        const std::string path = folder.Add("testplugins/Probe.api", "Probe.api");
        module = LoadLibraryW(GLIB_Widen("Z:" + path).c_str());
    }
    ~ProbeTest() override {
        host.reset();
        FreeLibrary(module);
    }

    // A probe function; a missing one (a stale build) fails the test instead of crashing it.
    template <class Function>
    Function Export(const char* name) {
        auto function = reinterpret_cast<Function>(reinterpret_cast<HostProc>(GetProcAddress(module, name)));
        EXPECT_NE(function, nullptr) << "the probe exports no " << name;
        return function;
    }
    // Calls a probe function the way the host calls plug-ins: inside a host frame. False when it failed.
    template <class Function, class... Args>
    bool Call(const char* name, Args... args) {
        auto function = Export<Function>(name);
        return function != nullptr && host->CallPlugin(name, [&] { function(args...); });
    }
    template <class Result, class... Args>
    Result Ask(const char* name, Args... args) {
        Result result{};
        auto function = Export<Result (*)(Args...)>(name);
        if (function != nullptr) host->CallPlugin(name, [&] { result = function(args...); });
        return result;
    }
    int NestingCount() {
        auto count = Export<int (*)()>("Probe_NestingCount");
        return count != nullptr ? count() : -1;
    }
    HostExtension Extension() const { return host->Plugins().at(0)->extension; }

    PluginFolder folder;
    HMODULE module = nullptr;
    std::ostringstream out;
    std::unique_ptr<Host> host;
};
