// The plug-in's only export and the two stages of the handshake: PlugInMain hands the host a setup
// function; setup imports the host's function tables and hands back the handshake callback, which lets the
// plug-in object describe itself.
#include "GLIB/GLIB_Log.h"
#include "HostRecords.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_ExceptionHandler.h"
#include "PDFL/PDFL_HostTables.h"
#include "XCHG/XCHG_Plugin.h"
#include "XCHG/XCHG_PluginContext.h"
#include "XCHG/XCHG_ReportError.h"

namespace {

constexpr HostVersion kHandshakeVersion = MakeHostVersion(2, 0);
constexpr HostVersion V(uint32_t major, uint32_t minor) { return MakeHostVersion(major, minor); }

// The version of each table wanted at three levels, newest first; 0 means "not wanted at that level".
constexpr HostVersion kTableVersions[3][PDFL_HostTables::kCount] = {
    // Core, AcroSupport, Cos, PDModel, AcroView, 5, 6, Win, PDFEditWrite, PDFEditRead, PDSysFont,
    // PagePDEContent, PDSWrite, PDSRead, ASExtra, AcroViewSweetPea, PDMetadata, 17
    {V(2, 0), V(2, 2), V(2, 2), V(2, 2), V(2, 2), V(2, 0), V(2, 0), V(2, 0), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {V(4, 0), V(4, 0), V(4, 0), V(4, 0), V(4, 0), V(2, 0), V(2, 0), V(4, 0), V(4, 0), V(4, 0), V(4, 0), V(4, 0), 0, 0,
     0, 0, 0, 0},
    {V(4, 0), V(5, 0), V(5, 0), V(5, 0), V(5, 0), V(2, 0), V(2, 0), V(5, 0), V(5, 0), V(5, 0), V(4, 0), V(4, 0),
     V(5, 0), V(5, 0), V(5, 0), V(5, 0), V(5, 0), 0},
};

struct TableToImport {
    int number;
    const char* name;
};

// In the order the host is asked for them.
constexpr TableToImport kTablesToImport[] = {
    {PDFL_HostTables::kAcroSupport, "AcroSupport"},
    {PDFL_HostTables::kCos, "Cos"},
    {PDFL_HostTables::kPDModel, "PDModel"},
    {PDFL_HostTables::kPDFEditWrite, "PDFEditWrite"},
    {PDFL_HostTables::kPDFEditRead, "PDFEditRead"},
    {PDFL_HostTables::kPDSysFont, "PDSysFont"},
    {PDFL_HostTables::kPagePDEContent, "PagePDEContent"},
    {PDFL_HostTables::kAcroView, "AcroView"},
    {PDFL_HostTables::kPDSWrite, "PDSWrite"},
    {PDFL_HostTables::kPDSRead, "PDSRead"},
    {PDFL_HostTables::kWin, "Win"},
    {PDFL_HostTables::kASExtra, "ASExtra"},
    {PDFL_HostTables::kAcroViewSweetPea, "AcroViewSweetPea"},
    {PDFL_HostTables::kPDMetadata, "PDMetadata"},
};

bool ImportTable(int number, const char* name) {
    for (int row = 2; row >= 0; --row) {
        const HostVersion version = kTableVersions[row][number];
        PDFL_HostTables::Set(number, nullptr, version);
        if (version == 0) {
            return true;
        }
        if (HostTable table = Core_GetTable(Core_AtomFromName(name), version)) {
            PDFL_HostTables::Set(number, table, version);
            return true;
        }
    }
    return false;
}

HostBool HandshakeCallback(HostVersion handshakeVersion, HostHandshakeRecord* record) {
    XCHG_Plugin* plugin = GetPlugin();
    if (plugin == nullptr) {
        XCHG_HostAlert(1, "You have to define an object derived from XCHG_Plugin", 1);
        return false;
    }
    return plugin->Handshake(handshakeVersion, record);
}

HostBool Setup(HostVersion handshakeVersion, HostSetupRecord* record) {
    if (handshakeVersion != kHandshakeVersion || record == nullptr || record->handshakeVersion != kHandshakeVersion) {
        return false;
    }
    XCHG_PluginContext::SetExtension(record->extension, kHandshakeVersion);
    PDFL_HostTables::Reset();
    PDFL_HostTables::Set(PDFL_HostTables::kCore, record->coreTable, kTableVersions[2][PDFL_HostTables::kCore]);
    for (const TableToImport& table : kTablesToImport) {
        if (!ImportTable(table.number, table.name)) {
            return false;
        }
    }
    // Before any guarded callback can catch an exception.
    PDFL_ExceptionHandler::RegisterOutOfMemoryCodes();
    record->handshakeCallback = Core_NewCallback(record->extension, reinterpret_cast<HostProc>(&HandshakeCallback));
    return true;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) HostBool PlugInMain(HostVersion hostHandshakeVersion,
                                                                      HostVersion* handshakeVersion,
                                                                      HostSetupProc* setup,
                                                                      HostPlatformRecord* platform) {
    XCHG_PluginContext::SetPlatform(platform != nullptr ? platform->mainWindow : nullptr,
                                    platform != nullptr ? platform->module : nullptr);
    *handshakeVersion = hostHandshakeVersion < kHandshakeVersion ? hostHandshakeVersion : kHandshakeVersion;
    *setup = Setup;
    return true;
}
