#include "host/core/Host.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "HostRecords.h"
#include "Win32.h"
#include "host/core/HostError.h"
#include "host/core/HostText.h"

namespace {

Host* s_current = nullptr;

// Message boxes of the plug-ins appear among the host's alerts.
int PresentMessageBox(HWND, LPCWSTR text, LPCWSTR caption, UINT type) {
    static const std::vector<std::string> kButtons[] = {
        {"OK"},        {"OK", "Cancel"},   {"Abort", "Retry", "Ignore"}, {"Yes", "No", "Cancel"},
        {"Yes", "No"}, {"Retry", "Cancel"}};
    static const int kAnswers[][3] = {
        {IDOK},        {IDOK, IDCANCEL},   {IDABORT, IDRETRY, IDIGNORE}, {IDYES, IDNO, IDCANCEL},
        {IDYES, IDNO}, {IDRETRY, IDCANCEL}};
    const UINT kind = (type & MB_TYPEMASK) < 6 ? (type & MB_TYPEMASK) : 0;
    // The window manager hands over a text and a caption always, "" and "Error" for missing ones.
    const int32_t button = Host::Current().Alerts().MessageBox(HostNarrow(caption), HostNarrow(text), kButtons[kind]);
    return kAnswers[kind][button - 1];
}

std::string SystemErrorText(DWORD code) {
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, sizeof text,
                   nullptr);
    std::string result = text;
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r')) result.pop_back();
    return result.empty() ? "error " + std::to_string(code) : result;
}

HostTableSlots SlotsFor(const std::string& name) {
    if (name == "AcroSupport") return HostAcroSupportTable::Build();
    if (name == "Cos") return HostCosTable::Build();
    if (name == "PDModel") return HostPDModelTable::Build();
    if (name == "AcroView") return HostAcroViewTable::Build();
    if (name == "Win") return HostWinTable::Build();
    if (name == "ADBE_DebuggerWindow" || name == "ADBE:DebugWindow") return HostDebuggerTable::Build();
    return HostTableSlots(1);  // offered for plug-ins that import it; this host serves none of its entries
}

}  // namespace

Host::Host(HostConfig config, std::ostream& out)
    : m_config(std::move(config)), m_out(out), m_alerts(out, m_config.alertAnswers) {
    if (s_current != nullptr) {
        std::fprintf(stderr, "host: only one host may run at a time\n");
        std::abort();
    }
    s_current = this;
    m_previousPresenter = WinSub_SetMessageBoxPresenter(PresentMessageBox);
    if (m_config.tables.empty()) m_config.OfferTablesOfVersion();
    m_tables.push_back({"", 0, HostCoreTable::Build()});  // the Core table, handed over at set-up
    for (const auto& [name, version] : m_config.tables) m_tables.push_back({name, version, SlotsFor(name)});
}

Host::~Host() {
    Quit();
    WinSub_SetMessageBoxPresenter(m_previousPresenter);
    s_current = nullptr;
}

Host& Host::Current() {
    if (s_current == nullptr) {
        std::fprintf(stderr, "host: a host entry was called with no host running\n");
        std::abort();
    }
    return *s_current;
}

HostTable Host::Table(const std::string& name, HostVersion version) const {
    for (const OfferedTable& table : m_tables) {
        if (!name.empty() && table.name == name && version <= table.version) return table.slots.data();
    }
    return nullptr;
}

HostPlugin* Host::PluginOf(HostExtension extension) {
    for (auto& plugin : m_plugins) {
        if (plugin->extension == extension) return plugin.get();
    }
    return nullptr;
}

void Host::RestoreHostFrame(HostExceptionFrame* frame) { std::longjmp(frame->environment, 1); }

void Host::ReportFailedCall(const char* what, const std::string& why) {
    ++m_failedCalls;
    m_out << "[error] " << what << ": " << why << "\n";
    if (m_failureSink) m_failureSink(why);
}

bool Host::LoadPlugins(const std::string& folder) {
    std::error_code error;
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        // Plug-in folders come from a file system where case does not matter: "X.API" is a plug-in too.
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (extension == ".api" && entry.is_regular_file()) files.push_back(entry.path().string());
    }
    if (error) return false;
    std::sort(files.begin(), files.end());
    m_running = true;

    std::vector<HostPlugin*> started;
    for (const std::string& file : files) {
        auto plugin = std::make_unique<HostPlugin>();
        plugin->linuxPath = std::filesystem::absolute(file).lexically_normal().string();
        plugin->fileName = std::filesystem::path(file).filename().string();
        plugin->extension = static_cast<HostExtension>(m_nextExtension++);
        m_plugins.push_back(std::move(plugin));
        Start(*m_plugins.back());
        if (m_plugins.back()->state == HostPlugin::State::HandshakeDone) started.push_back(m_plugins.back().get());
    }
    // Each step runs for every plug-in before the next step starts, as plug-ins may rely on each other.
    struct Step {
        const char* name;
        HostCallback HostHandshakeRecord::*callback;
    };
    static constexpr Step kSteps[] = {{"ExportHFTs", &HostHandshakeRecord::exportTables},
                                      {"ImportReplaceAndRegister", &HostHandshakeRecord::importReplaceAndRegister},
                                      {"Initialize", &HostHandshakeRecord::initialize}};
    for (const Step& step : kSteps) {
        for (HostPlugin* plugin : started) {
            if (plugin->state != HostPlugin::State::HandshakeDone) continue;
            if (!RunLifecycleStep(step.name, plugin->handshake.*step.callback)) {
                plugin->state = HostPlugin::State::Failed;
                plugin->failure = std::string(step.name) + " declined";
                m_out << "[host] plug-in " << plugin->fileName << " not loaded: " << plugin->failure << "\n";
                Unload(*plugin);
            }
        }
    }
    for (HostPlugin* plugin : started) {
        if (plugin->state == HostPlugin::State::HandshakeDone) plugin->state = HostPlugin::State::Initialized;
    }
    return true;
}

void Host::Start(HostPlugin& plugin) {
    const auto fail = [&](const std::string& why) {
        plugin.state = HostPlugin::State::Failed;
        plugin.failure = why;
        m_out << "[host] plug-in " << plugin.fileName << " not loaded: " << why << "\n";
        if (plugin.module != nullptr) FreeLibrary(plugin.module);
        plugin.module = nullptr;
    };
    plugin.module = LoadLibraryW(HostWiden(HostPaths::LinuxToPlatformText(plugin.linuxPath)).c_str());
    if (plugin.module == nullptr) return fail(SystemErrorText(GetLastError()));
    // Through HostProc: the platform hands back a generic function pointer, as Win32 does.
    auto plugInMain =
        reinterpret_cast<PlugInMainProc>(reinterpret_cast<HostProc>(GetProcAddress(plugin.module, kPlugInMainName)));
    if (plugInMain == nullptr) return fail("it has no PlugInMain");

    HostPlatformRecord platform{m_windows.MainWindow(), plugin.module};
    HostSetupProc setup = nullptr;
    HostBool ok = false;
    if (!CallPlugin("PlugInMain",
                    [&] { ok = plugInMain(m_config.handshakeVersion, &plugin.handshakeVersion, &setup, &platform); }) ||
        !ok || setup == nullptr) {
        return fail("PlugInMain declined");
    }
    plugin.setup = {plugin.handshakeVersion, plugin.extension, CoreTable(), HostCallback::None};
    if (!CallPlugin("setup", [&] { ok = setup(plugin.handshakeVersion, &plugin.setup); }) || !ok) {
        return fail("set-up declined (handshake version or missing tables)");
    }
    auto handshake = m_callbacks.FindAs<HostHandshakeProc>(plugin.setup.handshakeCallback);
    plugin.handshake = {sizeof(HostHandshakeRecord), 0, 0, HostCallback::None, HostCallback::None, HostCallback::None,
                        HostCallback::None};
    if (handshake == nullptr ||
        !CallPlugin("handshake", [&] { ok = handshake(plugin.handshakeVersion, &plugin.handshake); }) || !ok) {
        return fail("handshake declined");
    }
    plugin.state = HostPlugin::State::HandshakeDone;
}

bool Host::RunLifecycleStep(const char* step, HostCallback callback) {
    auto proc = m_callbacks.FindAs<HostLifecycleProc>(callback);
    if (proc == nullptr) return false;
    HostBool ok = false;
    return CallPlugin(step, [&] { ok = proc(); }) && ok;
}

void Host::FinishStartup() { Notify(kNotifyAppDidInitialize); }

void Host::Unload(HostPlugin& plugin) {
    if (plugin.module == nullptr) return;
    m_tools.ForgetToolsOf(plugin.extension);  // an active tool is told while its plug-in is still whole
    RunLifecycleStep("Unload", plugin.handshake.unload);
    // Whatever the plug-in left registered points into a module that is about to go.
    plugin.leftoverNotifications = m_notifications.RemoveAllOf(plugin.extension);
    if (plugin.leftoverNotifications != 0) {
        m_out << "[host] plug-in " << plugin.fileName << " left " << plugin.leftoverNotifications
              << " notification registrations behind\n";
    }
    if (const std::size_t drawProcs = m_pageViews.ForgetDrawProcsOf(plugin.extension)) {
        m_out << "[host] plug-in " << plugin.fileName << " left " << drawProcs << " page view draw procedures behind\n";
    }
    plugin.leftoverWindows = m_windows.ForgetWindowsOf(plugin.extension);
    if (plugin.leftoverWindows != 0) {
        m_out << "[host] plug-in " << plugin.fileName << " left " << plugin.leftoverWindows << " windows behind\n";
    }
    // The start-up callbacks are the host's to forget: the plug-in is still inside one of them.
    for (HostCallback lifecycle :
         {plugin.setup.handshakeCallback, plugin.handshake.exportTables, plugin.handshake.importReplaceAndRegister,
          plugin.handshake.initialize, plugin.handshake.unload}) {
        m_callbacks.Remove(lifecycle);
    }
    if (const std::size_t callbacks = m_callbacks.RemoveAllOf(plugin.extension)) {
        m_out << "[host] plug-in " << plugin.fileName << " left " << callbacks << " callbacks behind\n";
    }
    FreeLibrary(plugin.module);
    plugin.module = nullptr;
    if (plugin.state != HostPlugin::State::Failed) plugin.state = HostPlugin::State::Unloaded;
}

void Host::Quit() {
    if (!m_running) return;
    m_running = false;
    Notify(kNotifyAppWillQuit);
    for (auto& plugin : m_plugins) Unload(*plugin);
}

HostRegistrations Host::Registrations() const {
    return {m_tools.All().size(), m_callbacks.Count(),         m_notifications.Count(), m_toolbars.ButtonCount(),
            m_menus.ItemCount(),  m_pageViews.DrawProcCount(), m_windows.Count()};
}

std::ostream& operator<<(std::ostream& out, const HostRegistrations& counts) {
    return out << counts.tools << " tools, " << counts.callbacks << " callbacks, " << counts.notifications
               << " notifications, " << counts.toolButtons << " tool buttons, " << counts.menuItems << " menu items, "
               << counts.drawProcs << " draw procedures, " << counts.windows << " windows";
}

void Host::NoteBoxWrite() {
    if (m_config.failBoxWrite > 0 && ++m_boxWrites == m_config.failBoxWrite) {
        // Raised with a text of its own, as a host tells a failed write, so the user learns what failed.
        static constexpr char kText[] = "The page box could not be written.";
        throw HostError(m_errorTexts.Register(0, kText), kText);
    }
}

void Host::Debugger(const char* text) {
    if (m_debuggerSink) {
        m_debuggerSink(text);
    } else {
        std::fputs(text, stderr);
    }
}
