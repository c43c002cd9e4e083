// A host with one plug-in loaded (for its extension handle), whose entries a test calls as a plug-in would:
// inside a host frame, so that an entry's host error comes back as a failed call instead of ending the test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "PluginFolder.h"
#include "host/Host.h"

class HostEntryTest : public ::testing::Test {
protected:
    explicit HostEntryTest(HostConfig config = HostConfig()) {
        folder.Add("testplugins/ProbeBare.api", "ProbeBare.api");
        host = std::make_unique<Host>(std::move(config), out);
        host->LoadPlugins(folder.Path());
        owner = host->Plugins().at(0)->extension;
    }

    // True when the entries ran without a host error.
    template <class Call>
    bool Entry(const Call& call) {
        return host->CallPlugin("entry", call);
    }
    // True when the call ended in exactly one host error.
    template <class Call>
    bool Fails(const Call& call) {
        const int before = host->FailedCalls();
        return !Entry(call) && host->FailedCalls() == before + 1;
    }
    template <class Function>
    HostCallback Callback(Function function) {
        return host->Callbacks().Add(owner, reinterpret_cast<HostProc>(function));
    }
    // The printed line that ends with "[name]", without its indentation; empty when there is none.
    static std::string LineOf(const std::string& text, const std::string& name) {
        std::istringstream lines(text);
        const std::string end = "[" + name + "]";
        for (std::string line; std::getline(lines, line);) {
            if (line.size() >= end.size() && line.compare(line.size() - end.size(), end.size(), end) == 0) {
                return line.substr(line.find_first_not_of(' '));
            }
        }
        return "";
    }

    PluginFolder folder;
    std::ostringstream out;
    std::unique_ptr<Host> host;
    HostExtension owner = HostExtension::None;
};
