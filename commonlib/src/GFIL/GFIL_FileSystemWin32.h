// A file or folder named by a Win32 path. Construction expands the path to an absolute one and checks it by
// the Win32 rules (drive or UNC form, no invalid characters, no empty or reserved names), throwing
// GFIL_Exception 1158001 when it is not acceptable.
#pragma once

#include <string>

#include "GFIL/GFIL_FileSystem.h"
#include "Win32.h"

class GFIL_FileSystemWin32 : public GFIL_FileSystem {
public:
    explicit GFIL_FileSystemWin32(const std::wstring& path);
    // Closes a file that is still open.
    ~GFIL_FileSystemWin32() override;

    const std::wstring& GetPath() const override;
    bool IsValid() const override;
    bool Exists() const override;
    bool IsFolder() const override;
    bool IsFile() const override;
    // A drive root (C:\) or a server share root (\\server\share).
    bool IsRoot() const override;
    std::wstring GetName() const override;
    GFIL_SpecRef GetParent() const override;
    bool HasChild(const std::wstring& name) const override;
    GFIL_SpecRef GetChild(const std::wstring& name) const override;

    void CreateFile(uint32_t mode) override;
    void OpenFile(uint32_t mode) override;
    void CloseFile() override;
    void DeleteFile() override;
    uint64_t GetSize() override;
    void SetSize(uint64_t size) override;
    uint32_t Read(uint64_t offset, void* buffer, uint32_t count) override;
    void Reserved1() override;
    void Reserved2() override;
    void* ReadAll(uint64_t& length) override;
    void FreeBuffer(void* buffer) override;
    void Write(uint64_t offset, const void* buffer, uint32_t count) override;
    bool Reserved3() const override;
    void Reserved4() override;
    void Flush() override;
    std::vector<GFIL_SpecRef> ListChildren() const override;

    // The open file's handle; INVALID_HANDLE_VALUE while none is open.
    virtual HANDLE GetHandle() const;

    // Whether `name` may stand as one name of a path: none of < > * : / " \ or a control character, and
    // not one of the device names aux, con, prn, lptN, comN (lower case only).
    static bool IsValidName(const std::wstring& name);

private:
    std::wstring Join(const std::wstring& name) const;
    void CheckChildName(const std::wstring& name) const;
    void Open(uint32_t mode, DWORD disposition);
    void MoveTo(uint64_t offset);

    std::wstring m_path;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};
