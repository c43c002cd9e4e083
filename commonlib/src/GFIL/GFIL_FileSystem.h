// A file or folder, named by a normalized absolute path, with the operations on the file it names: the
// file system library's abstract interface. These path objects are reference-counted and shared through
// GFIL_SpecRef; they are allocated through GLIB_GuardedAlloc, so running out of memory ends in the
// globals' out-of-memory handler.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "GLIB/GLIB_CountedRef.h"

class GFIL_FileSystem;

// A counted reference to a path object: copying it shares the object, dropping the last one destroys it.
// May be null.
using GFIL_SpecRef = GLIB_CountedRef<GFIL_FileSystem>;

// The mode word of CreateFile and OpenFile.
enum GFIL_Mode : uint32_t {
    GFIL_MODE_READ = 0x01,
    GFIL_MODE_WRITE = 0x02,
    // What other openers of the same file may do while it is open.
    GFIL_MODE_SHARE_READ = 0x04,
    GFIL_MODE_SHARE_WRITE = 0x08,
    GFIL_MODE_SHARE_DELETE = 0x10,
    // CreateFile only: an existing file is emptied and reused instead of refused.
    GFIL_MODE_REPLACE = 0x20,
};

class GFIL_FileSystem {
public:
    GFIL_FileSystem();
    GFIL_FileSystem(const GFIL_FileSystem&) = delete;
    GFIL_FileSystem& operator=(const GFIL_FileSystem&) = delete;
    virtual ~GFIL_FileSystem();

    virtual const std::wstring& GetPath() const = 0;
    virtual bool IsValid() const = 0;
    virtual bool Exists() const = 0;
    virtual bool IsFolder() const = 0;
    virtual bool IsFile() const = 0;
    virtual bool IsRoot() const = 0;
    // The last name of the path.
    virtual std::wstring GetName() const = 0;
    virtual GFIL_SpecRef GetParent() const = 0;
    virtual bool HasChild(const std::wstring& name) const = 0;
    virtual GFIL_SpecRef GetChild(const std::wstring& name) const = 0;

    // An object holds at most one open file; opening again closes the one before.
    virtual void CreateFile(uint32_t mode) = 0;
    virtual void OpenFile(uint32_t mode) = 0;
    // Never throws; a failure is logged.
    virtual void CloseFile() = 0;
    virtual void DeleteFile() = 0;
    virtual uint64_t GetSize() = 0;
    virtual void SetSize(uint64_t size) = 0;
    // Reads up to `count` bytes at `offset`; fewer at the end of the file.
    virtual uint32_t Read(uint64_t offset, void* buffer, uint32_t count) = 0;
    // Slots that other platforms fill; without effect on Win32.
    virtual void Reserved1() = 0;
    virtual void Reserved2() = 0;
    // The whole file in a new buffer, to be given back with FreeBuffer; `length` receives its size. Uses
    // the open file, or opens the file for reading for the time of the call when none is open.
    virtual void* ReadAll(uint64_t& length) = 0;
    virtual void FreeBuffer(void* buffer) = 0;
    virtual void Write(uint64_t offset, const void* buffer, uint32_t count) = 0;
    // Slots that other platforms fill; on Win32 the first answers false and the second does nothing.
    virtual bool Reserved3() const = 0;
    virtual void Reserved4() = 0;
    // Never throws; a failure is logged.
    virtual void Flush() = 0;
    // The folder's files and folders, without "." and ".."; names that cannot make a path object are
    // left out.
    virtual std::vector<GFIL_SpecRef> ListChildren() const = 0;

    // Reference counting, used by GFIL_SpecRef: the last Release destroys the object.
    void AddRef() { ++m_refCount; }
    void Release();
    uint32_t GetRefCount() const { return m_refCount; }

    // The objects live in blocks from GLIB_GuardedAlloc: new (__LINE__, __FILE__) Derived(...).
    static void* operator new(std::size_t size, int32_t line, const char* sourceFile);
    static void operator delete(void* block, int32_t line, const char* sourceFile);
    static void operator delete(void* block);

protected:
    uint32_t m_flags = 0;  // for the implementation's own use

private:
    uint32_t m_refCount = 0;
};
