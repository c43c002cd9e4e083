// The one plug-in object. The host's lifecycle callbacks reach its virtual operations, each inside the
// callback guard; a plug-in derives from it and provides GetPlugin().
#pragma once

#include "HostRecords.h"
#include "HostTypes.h"

class XCHG_Plugin {
public:
    XCHG_Plugin();
    virtual ~XCHG_Plugin();
    XCHG_Plugin(const XCHG_Plugin&) = delete;
    XCHG_Plugin& operator=(const XCHG_Plugin&) = delete;

    virtual bool ExportHFTs();
    virtual const char* GetName() = 0;
    virtual HostVersion GetRequiredAcrobatVersion();
    virtual bool Handshake(HostVersion handshakeVersion, HostHandshakeRecord* record);
    virtual bool ImportReplaceAndRegister();
    virtual bool Initialize();
    virtual void InitializeFinished();
    virtual void AppWillQuit();
    virtual bool Unload();

    bool IsInitialized() const { return initialized != 0; }

    // The registered plug-in object, or null.
    static XCHG_Plugin* Registered();

private:
    static HostBool ExportHFTsCallback();
    static HostBool ImportReplaceAndRegisterCallback();
    static HostBool InitializeCallback();
    static HostBool UnloadCallback();
    static void InitializeFinishedCallback(void* clientData);
    static void AppWillQuitCallback(void* clientData);
    bool PrivateInitialize();

    HostBool initFinishedRegistered;
    HostBool willQuitRegistered;
    HostBool initialized;
};

// Provided by the plug-in: its one object, constructed on first use.
XCHG_Plugin* GetPlugin();
