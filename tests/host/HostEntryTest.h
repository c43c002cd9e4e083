// A host with one plug-in loaded (for its extension handle), whose entries a test calls as a plug-in would:
// inside a host frame, so that an entry's host error comes back as a failed call instead of ending the test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "PluginFolder.h"
#include "host/core/Host.h"

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
    // What `call` returned when run as an entry; a value-initialized one when it raised.
    template <class Call>
    auto Value(const Call& call) {
        decltype(call()) result{};
        Entry([&] { result = call(); });
        return result;
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

    PluginFolder folder;
    std::ostringstream out;
    std::unique_ptr<Host> host;
    HostExtension owner = HostExtension::None;
};
