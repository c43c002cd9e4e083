// The host application: loads plug-ins from a folder through PlugInMain, offers them its function tables,
// drives their start-up and shut-down in the documented order, and shows the user what they say. One host
// runs at a time; its table entries reach it through Host::Current().
#pragma once

#include <csetjmp>
#include <functional>
#include <iostream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "Win32.h"
#include "host/core/HostAtomTable.h"
#include "host/core/HostCallbackTable.h"
#include "host/core/HostConfig.h"
#include "host/core/HostErrorTexts.h"
#include "host/core/HostFrameStack.h"
#include "host/core/HostNotifications.h"
#include "host/core/HostPaths.h"
#include "host/core/HostPlugin.h"
#include "host/document/HostDocuments.h"
#include "host/entries/HostTables.h"
#include "host/ui/HostMenus.h"
#include "host/ui/HostToolbars.h"
#include "host/ui/HostTools.h"
#include "host/view/HostAlerts.h"
#include "host/view/HostDocViews.h"
#include "host/view/HostPageViews.h"
#include "host/view/HostProgress.h"
#include "host/view/HostWindows.h"

// What the plug-ins have registered with the host, counted: after a plug-in unloads, the counts are back to
// what they were before it loaded.
struct HostRegistrations {
    std::size_t tools = 0;
    std::size_t callbacks = 0;
    std::size_t notifications = 0;
    std::size_t toolButtons = 0;
    std::size_t menuItems = 0;
    std::size_t drawProcs = 0;
    std::size_t windows = 0;

    bool operator==(const HostRegistrations&) const = default;
};
std::ostream& operator<<(std::ostream& out, const HostRegistrations& counts);

class Host {
public:
    explicit Host(HostConfig config, std::ostream& out);
    ~Host();  // quits if still running
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    static Host& Current();

    // Loads every "*.api" of the folder (in name order) and runs each through set-up, handshake,
    // export, import and initialization. False when the folder cannot be read.
    bool LoadPlugins(const std::string& folder);
    // Tells the plug-ins that start-up has finished.
    void FinishStartup();
    // Tells the plug-ins that the application will quit, unloads them in order and frees their modules.
    void Quit();

    const HostConfig& Config() const { return m_config; }
    std::ostream& Out() { return m_out; }
    HostAtomTable& Atoms() { return m_atoms; }
    HostCallbackTable& Callbacks() { return m_callbacks; }
    HostFrameStack& Frames() { return m_frames; }
    HostErrorTexts& ErrorTexts() { return m_errorTexts; }
    HostAlerts& Alerts() { return m_alerts; }
    HostNotifications& Notifications() { return m_notifications; }
    HostPaths& Paths() { return m_paths; }
    HostDocuments& Documents() { return m_documents; }
    HostDocViews& DocViews() { return m_docViews; }
    HostPageViews& PageViews() { return m_pageViews; }
    HostTools& Tools() { return m_tools; }
    HostMenus& Menus() { return m_menus; }
    HostToolbars& Toolbars() { return m_toolbars; }
    HostWindows& Windows() { return m_windows; }
    HostProgress& Progress() { return m_progress; }
    const std::vector<std::unique_ptr<HostPlugin>>& Plugins() const { return m_plugins; }
    HostPlugin* PluginOf(HostExtension extension);

    // The Core table, which a plug-in receives at set-up rather than by name.
    HostTable CoreTable() const { return m_tables.front().slots.data(); }
    // The table of that name offered at `version` or newer, or null.
    HostTable Table(const std::string& name, HostVersion version) const;

    // Runs `call` (a call into plug-in code) inside a host frame. A raise from the plug-in, or a C++
    // exception thrown out of it, ends the call: the user is told, and false is returned.
    template <class Call>
    bool CallPlugin(const char* what, const Call& call);

    // Tells the listeners of `selector`, in registration order, each inside CallPlugin: a listener is called
    // with `arguments` and then its client data (see the notification signatures in HostRecords.h).
    template <class... Arguments>
    void Notify(int32_t selector, Arguments... arguments);

    // Raised errors and escaped exceptions seen so far, for tests.
    int FailedCalls() const { return m_failedCalls; }
    HostRegistrations Registrations() const;
    // Every write of a page box passes here; the one the configuration names fails with HostError.
    void NoteBoxWrite();
    // The debugger window: what the plug-ins write to it goes to standard error, or to the sink a front end
    // shows it in.
    void Debugger(const char* text);
    void SetDebuggerSink(std::function<void(const std::string&)> sink) { m_debuggerSink = std::move(sink); }
    // A failed plug-in call is printed on the host's output; a front end may show the user why, too.
    void SetFailureSink(std::function<void(const std::string& why)> sink) { m_failureSink = std::move(sink); }

private:
    void Start(HostPlugin& plugin);
    bool RunLifecycleStep(const char* step, HostCallback callback);
    void Unload(HostPlugin& plugin);
    void ReportFailedCall(const char* what, const std::string& why);
    static void RestoreHostFrame(HostExceptionFrame* frame);

    HostConfig m_config;
    std::ostream& m_out;
    HostAtomTable m_atoms;
    HostCallbackTable m_callbacks;
    HostFrameStack m_frames;
    HostErrorTexts m_errorTexts;
    HostAlerts m_alerts;
    HostNotifications m_notifications;
    HostPaths m_paths;
    HostDocuments m_documents;
    HostDocViews m_docViews{*this};
    HostPageViews m_pageViews{*this};
    HostTools m_tools{*this};
    HostMenus m_menus{*this};
    HostToolbars m_toolbars{*this};
    HostWindows m_windows{*this};
    HostProgress m_progress{m_out, m_config.progress, std::cerr};
    struct OfferedTable {
        std::string name;
        HostVersion version;
        HostTableSlots slots;
    };
    std::vector<OfferedTable> m_tables;
    std::vector<std::unique_ptr<HostPlugin>> m_plugins;
    uint32_t m_nextExtension = 1;
    int m_failedCalls = 0;
    std::function<void(const std::string&)> m_debuggerSink;
    std::function<void(const std::string&)> m_failureSink;
    int m_boxWrites = 0;
    bool m_running = false;
    WinSubMessageBoxPresenter m_previousPresenter = nullptr;
};

template <class Call>
bool Host::CallPlugin(const char* what, const Call& call) {
    HostExceptionFrame frame;
    m_frames.Push(&frame, RestoreHostFrame);
    if (setjmp(frame.environment) != 0) {
        m_frames.Pop();
        ReportFailedCall(what, m_errorTexts.TextOf(m_frames.ErrorCode()));
        return false;
    }
    try {
        call();
    } catch (const std::exception& e) {
        m_frames.Pop();
        ReportFailedCall(what, std::string("a C++ exception escaped: ") + e.what());
        return false;
    } catch (...) {
        m_frames.Pop();
        ReportFailedCall(what, "a C++ exception escaped");
        return false;
    }
    m_frames.Pop();
    return true;
}

template <class... Arguments>
void Host::Notify(int32_t selector, Arguments... arguments) {
    for (const HostNotificationListener& listener : m_notifications.ListenersOf(selector)) {
        auto proc = reinterpret_cast<void (*)(Arguments..., void*)>(listener.proc);
        CallPlugin("notification", [&] { proc(arguments..., listener.clientData); });
    }
}
