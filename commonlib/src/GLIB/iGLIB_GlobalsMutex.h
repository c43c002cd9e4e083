// The lock around each single read or write of a globals setting. The base does nothing, for builds
// without threads; iGLIB_GlobalsPlatformMutex is the real one.
#pragma once

class iGLIB_GlobalsMutex {
public:
    virtual ~iGLIB_GlobalsMutex() = default;
    virtual void Lock() {}
    virtual void Unlock() {}
};
