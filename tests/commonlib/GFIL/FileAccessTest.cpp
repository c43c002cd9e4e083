// The file operations of a path object, and how each failure of the system reaches the caller: the
// file system's code and message, a log entry, or the fatal end of an impossible offset.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "GFIL/GFIL_ErrorCodes.h"
#include "GFIL/GFIL_FileSystemWin32.h"
#include "GFIL/GFIL_Utils.h"
#include "GLIB/GLIB_FatalException.h"
#include "RecordedLog.h"
#include "Refusal.h"
#include "ScratchFolder.h"
#include "win32sub/Simulation.h"

namespace {

constexpr uint32_t kReadWrite = GFIL_MODE_READ | GFIL_MODE_WRITE;
const std::wstring kNotFound = L"The system cannot find the file specified.\r\n (code: 2)";
const std::wstring kDenied = L"Access is denied.\r\n (code: 5)";
const std::wstring kBadHandle = L"The handle is invalid.\r\n (code: 6)";
const std::wstring kDiskFull = L"There is not enough space on the disk.\r\n (code: 112)";

// A failure the file system has no code of its own for: where it happened and the system's text.
Refusal Unknown(const std::wstring& where, const std::wstring& cause) {
    return {GFIL_ERR_UNKNOWN, L"An unknown error occured" + where + L"; " + cause};
}

class FileAccess : public RecordedLog {
protected:
    void TearDown() override {
        RecordedLog::TearDown();
        W32Sim_ClearFaults();
    }

    GFIL_SpecRef Item(const std::wstring& name) { return GFIL_MakeSpec(scratch.Win32(name)); }
    std::wstring Quoted(const std::wstring& name) { return L"\"" + scratch.Win32(name) + L"\""; }
    static std::string ReadText(GFIL_FileSystem& item, uint64_t offset, uint32_t count) {
        std::string text(count, '\0');
        text.resize(item.Read(offset, text.data(), count));
        return text;
    }

    ScratchFolder scratch;
};

}  // namespace

TEST_F(FileAccess, WhatIsWrittenIsReadBackAtItsOffset) {
    const GFIL_SpecRef item = Item(L"data");
    item->CreateFile(kReadWrite);
    item->Write(0, "hello world", 11);
    item->Write(20, "!", 1);
    EXPECT_EQ(item->GetSize(), 21u);
    EXPECT_EQ(ReadText(*item, 6, 5), "world");
    EXPECT_EQ(ReadText(*item, 11, 20), std::string(9, '\0') + "!");
    item->SetSize(5);
    EXPECT_EQ(item->GetSize(), 5u);
    item->Flush();
    item->CloseFile();
    EXPECT_EQ(scratch.Get("data"), "hello");
    EXPECT_TRUE(g_entries.empty());
}

TEST_F(FileAccess, ReadAllOpensTheFileForTheCallWhenNoneIsOpen) {
    scratch.Put("data", "all of it");
    scratch.Put("empty", "");
    const GFIL_SpecRef item = Item(L"data");
    uint64_t length = 0;
    void* buffer = item->ReadAll(length);
    EXPECT_EQ(std::string(static_cast<char*>(buffer), length), "all of it");
    item->FreeBuffer(buffer);
    Item(L"data")->OpenFile(GFIL_MODE_WRITE);  // shares nothing: the call's own handle is gone

    item->OpenFile(GFIL_MODE_READ);  // shares nothing either; ReadAll uses it and leaves it open
    buffer = item->ReadAll(length);
    EXPECT_EQ(length, 9u);
    item->FreeBuffer(buffer);
    EXPECT_NE(static_cast<GFIL_FileSystemWin32&>(*item).GetHandle(), INVALID_HANDLE_VALUE);

    buffer = Item(L"empty")->ReadAll(length);
    EXPECT_TRUE(buffer != nullptr && length == 0);
    item->FreeBuffer(buffer);
}

TEST_F(FileAccess, CreatingRefusesAnExistingFileUnlessToldToReplaceIt) {
    scratch.Put("data", "old");
    EXPECT_EQ(RefusalOf([&] { Item(L"data")->CreateFile(kReadWrite); }),
              Refusal(GFIL_ERR_ALREADY_EXISTS, L"Unable to create the file " + Quoted(L"data") +
                                                   L" because it already exists; The file exists.\r\n (code: 80)"));
    Item(L"data")->CreateFile(kReadWrite | GFIL_MODE_REPLACE);
    EXPECT_EQ(scratch.Get("data"), "");
}

TEST_F(FileAccess, AMissingFileOrFolderIsNotFound) {
    EXPECT_EQ(RefusalOf([&] { Item(L"missing")->OpenFile(GFIL_MODE_READ); }),
              Refusal(GFIL_ERR_NOT_FOUND, L"Unable to find the file " + Quoted(L"missing") + L"; " + kNotFound));
    EXPECT_EQ(RefusalOf([&] { Item(L"missing\\a")->CreateFile(kReadWrite); }),
              Refusal(GFIL_ERR_NOT_FOUND, L"Unable to find the file " + Quoted(L"missing\\a") +
                                              L"; The system cannot find the path specified.\r\n (code: 3)"));
    EXPECT_EQ(RefusalOf([&] { Item(L"missing")->DeleteFile(); }).first, GFIL_ERR_NOT_FOUND);
}

TEST_F(FileAccess, ABusyOrReadOnlyFileIsBusyOrLocked) {
    scratch.Put("data", "x");
    const GFIL_SpecRef holder = Item(L"data");
    holder->OpenFile(GFIL_MODE_READ);
    const std::wstring busy = L"The file " + Quoted(L"data") + L" is busy or locked; ";
    EXPECT_EQ(RefusalOf([&] { Item(L"data")->OpenFile(GFIL_MODE_READ); }),
              Refusal(GFIL_ERR_BUSY, busy + L"The process cannot access the file because it is being used by "
                                            L"another process.\r\n (code: 32)"));
    EXPECT_EQ(RefusalOf([&] { Item(L"data")->DeleteFile(); }).first, GFIL_ERR_BUSY);
    holder->CloseFile();

    const GFIL_SpecRef item = Item(L"data");
    ASSERT_TRUE(SetFileAttributesW(item->GetPath().c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(RefusalOf([&] { item->OpenFile(kReadWrite); }), Refusal(GFIL_ERR_BUSY, busy + kDenied));
    EXPECT_EQ(RefusalOf([&] { item->DeleteFile(); }), Refusal(GFIL_ERR_BUSY, busy + kDenied));
    item->OpenFile(GFIL_MODE_READ);
}

TEST_F(FileAccess, AnyOtherFailureToCreateOpenOrDeleteIsUnknown) {
    const GFIL_SpecRef item = Item(L"a?b");  // acceptable to the library, not to the file system
    const std::wstring tail =
        L". An unknown error occured; The filename, directory name, or volume label syntax is incorrect.\r\n"
        L" (code: 123)";
    EXPECT_EQ(RefusalOf([&] { item->CreateFile(kReadWrite); }),
              Refusal(GFIL_ERR_UNKNOWN, L"Unable to create the file " + Quoted(L"a?b") + tail));
    EXPECT_EQ(RefusalOf([&] { item->OpenFile(kReadWrite); }),
              Refusal(GFIL_ERR_UNKNOWN, L"Unable to open the file " + Quoted(L"a?b") + tail));
    EXPECT_EQ(RefusalOf([&] { item->DeleteFile(); }),
              Refusal(GFIL_ERR_UNKNOWN, L"Unable to delete the file " + Quoted(L"a?b") + tail));
}

TEST_F(FileAccess, FileOperationsNeedAnOpenFileWithTheRightAccess) {
    scratch.Put("data", "abc");
    const GFIL_SpecRef item = Item(L"data");
    char byte = 0;
    EXPECT_EQ(RefusalOf([&] { item->GetSize(); }), Unknown(L"", kBadHandle));
    EXPECT_EQ(RefusalOf([&] { item->Read(0, &byte, 1); }), Unknown(L" during SetFilePointer()", kBadHandle));

    item->OpenFile(GFIL_MODE_READ | GFIL_MODE_SHARE_WRITE);
    EXPECT_EQ(RefusalOf([&] { item->Write(0, "x", 1); }), Unknown(L" during WriteFile()", kDenied));
    EXPECT_EQ(RefusalOf([&] { item->SetSize(1); }), Unknown(L"", kDenied));
    const GFIL_SpecRef writer = Item(L"data");
    writer->OpenFile(GFIL_MODE_WRITE | GFIL_MODE_SHARE_READ);
    EXPECT_EQ(RefusalOf([&] { writer->Read(0, &byte, 1); }), Unknown(L" during ReadFile() ", kDenied));
    EXPECT_EQ(scratch.Get("data"), "abc");
}

TEST_F(FileAccess, AFullDiskStopsGrowingAsDiskFullAndWritingAsUnknown) {
    const GFIL_SpecRef item = Item(L"data");
    item->CreateFile(kReadWrite);
    W32Sim_FailNext(W32SIM_FAULT_DISK_FULL, 1);
    EXPECT_EQ(RefusalOf([&] { item->SetSize(10); }),
              Refusal(GFIL_ERR_DISK_FULL, L"The target disk is full; " + kDiskFull));
    EXPECT_EQ(RefusalOf([&] { item->SetSize(uint64_t{1} << 50); }).first, GFIL_ERR_DISK_FULL);  // a petabyte
    W32Sim_FailNext(W32SIM_FAULT_DISK_FULL, 1);
    EXPECT_EQ(RefusalOf([&] { item->Write(0, "abc", 3); }), Unknown(L" during WriteFile()", kDiskFull));
    EXPECT_EQ(item->GetSize(), 0u);
}

TEST_F(FileAccess, AnOffsetBeyond2To63IsFatalAnd2To63ItselfIsLeftToTheSystem) {
    const GFIL_SpecRef item = Item(L"data");
    item->CreateFile(kReadWrite);
    char byte = 0;
    const uint64_t limit = uint64_t{1} << 63;
    EXPECT_THROW(item->Read(limit + 1, &byte, 1), GLIB_FatalException);
    EXPECT_THROW(item->Write(~uint64_t{0}, &byte, 1), GLIB_FatalException);
    EXPECT_THROW(item->SetSize(limit + 1), GLIB_FatalException);
    ASSERT_EQ(g_entries.size(), 3u);
    EXPECT_EQ(g_entries[0].level, GLIB_LOG_FATAL);
    EXPECT_EQ(g_entries[0].text, L"Win32 cannot support file offsets greater than 2^63");
    EXPECT_EQ(RefusalOf([&] { item->Read(limit, &byte, 1); }),
              Unknown(L" during SetFilePointer()",
                      L"An attempt was made to move the file pointer before the "
                      L"beginning of the file.\r\n (code: 131)"));
}

TEST_F(FileAccess, FlushAndCloseLogTheirFailuresInsteadOfThrowing) {
    scratch.Put("data", "");
    GFIL_FileSystemWin32 item(scratch.Win32(L"data"));
    item.OpenFile(GFIL_MODE_READ);
    item.Flush();
    ASSERT_TRUE(CloseHandle(item.GetHandle()));  // behind the object's back
    item.CloseFile();
    EXPECT_EQ(item.GetHandle(), INVALID_HANDLE_VALUE);
    item.CloseFile();  // nothing open: nothing to report
    ASSERT_EQ(g_entries.size(), 2u);
    EXPECT_EQ(g_entries[0].level, GLIB_LOG_ERROR);
    EXPECT_EQ(g_entries[0].text, L"FlushFileBuffers() generated an error; " + kDenied);
    EXPECT_EQ(g_entries[1].level, GLIB_LOG_ERROR);
    EXPECT_EQ(g_entries[1].text, L"CloseHandle() caused an internal error; " + kBadHandle);
}

TEST_F(FileAccess, OpeningAgainClosesTheFileOpenedBefore) {
    scratch.Put("data", "x");
    const GFIL_SpecRef item = Item(L"data");
    item->OpenFile(GFIL_MODE_WRITE);
    item->OpenFile(GFIL_MODE_WRITE);  // would be a sharing violation with the first handle still open
    item->CloseFile();
    item->DeleteFile();
    EXPECT_FALSE(scratch.Has("data"));
}
