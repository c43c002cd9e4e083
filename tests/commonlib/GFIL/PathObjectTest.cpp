// Path objects: roots, names, parents and children, what they name on the disk, their
// reference counts, and their file URLs.
#include <gtest/gtest.h>

#include <string>

#include "GFIL/GFIL_ErrorCodes.h"
#include "GFIL/GFIL_FileSystemWin32.h"
#include "GFIL/GFIL_Utils.h"
#include "GLIB/GLIB_BadAllocException.h"
#include "Refusal.h"
#include "ScratchFolder.h"
#include "win32sub/Simulation.h"

TEST(PathObject, RootsAreDriveRootsAndShareRoots) {
    for (const wchar_t* root : {L"c:\\", L"Z:\\", L"\\\\server\\share", L"\\\\server"})
        EXPECT_TRUE(GFIL_MakeSpec(root)->IsRoot()) << root;
    for (const wchar_t* notRoot : {L"c:\\dir", L"\\\\server\\share\\dir"})
        EXPECT_FALSE(GFIL_MakeSpec(notRoot)->IsRoot()) << notRoot;
}

TEST(PathObject, TheNameIsTheLastPartOfThePath) {
    EXPECT_EQ(GFIL_MakeSpec(L"c:\\dir\\file.txt")->GetName(), L"file.txt");
    EXPECT_EQ(GFIL_MakeSpec(L"c:\\dir\\")->GetName(), L"dir");
    EXPECT_EQ(GFIL_MakeSpec(L"\\\\server\\share")->GetName(), L"share");
    EXPECT_EQ(RefusalOf([] { GFIL_MakeSpec(L"c:\\")->GetName(); }),
              Refusal(GFIL_ERR_INVALID_PATH,
                      L"The path \"c:\\\" cannot be divided into its parent and child parts; "
                      L"The specified path is invalid.\r\n (code: 161)"));
}

TEST(PathObject, TheParentIsTheContainingFolderUpToTheRoot) {
    EXPECT_EQ(GFIL_MakeSpec(L"c:\\dir\\file.txt")->GetParent()->GetPath(), L"c:\\dir");
    EXPECT_EQ(GFIL_MakeSpec(L"c:\\dir")->GetParent()->GetPath(), L"c:\\");
    EXPECT_EQ(GFIL_MakeSpec(L"\\\\server\\share\\dir")->GetParent()->GetPath(), L"\\\\server\\share");
    EXPECT_EQ(RefusalOf([] { GFIL_MakeSpec(L"c:\\")->GetParent(); }),
              Refusal(GFIL_ERR_INVALID_PATH, L"The spec \"c:\\\" is the root object; cannot retrieve a parent."));
    EXPECT_EQ(RefusalOf([] { GFIL_MakeSpec(L"\\\\server\\share")->GetParent(); }).second,
              L"The spec \"\\\\server\\share\" is the root object; cannot retrieve a parent.");
}

TEST(PathObject, ChildrenAreNamedByOneValidName) {
    ScratchFolder scratch;
    scratch.Put("a.txt", "");
    const GFIL_SpecRef folder = GFIL_MakeSpec(scratch.Win32());
    EXPECT_TRUE(folder->HasChild(L"a.txt"));
    EXPECT_FALSE(folder->HasChild(L"b.txt"));
    EXPECT_EQ(folder->GetChild(L"b.txt")->GetPath(), scratch.Win32(L"b.txt"));
    EXPECT_EQ(GFIL_MakeSpec(L"c:\\")->GetChild(L"x")->GetPath(), L"c:\\x");
    for (const wchar_t* name : {L"con", L"a/b", L"a\\b", L"a:b", L"a*b", L"a\tb", L""}) {
        const std::wstring expected = std::wstring(L"The name \"") + name + L"\" is invalid for the Win32 platform.";
        EXPECT_EQ(RefusalOf([&] { folder->HasChild(name); }), Refusal(GFIL_ERR_INVALID_PATH, expected));
        EXPECT_EQ(RefusalOf([&] { folder->GetChild(name); }), Refusal(GFIL_ERR_INVALID_PATH, expected));
    }
}

TEST(PathObject, ItTellsFilesFoldersAndNothing) {
    ScratchFolder scratch;
    scratch.Put("file", "");
    const GFIL_SpecRef file = GFIL_MakeSpec(scratch.Win32(L"file"));
    const GFIL_SpecRef folder = GFIL_MakeSpec(scratch.Win32());
    const GFIL_SpecRef missing = GFIL_MakeSpec(scratch.Win32(L"missing"));
    EXPECT_TRUE(file->Exists() && file->IsFile() && !file->IsFolder());
    EXPECT_TRUE(folder->Exists() && folder->IsFolder() && !folder->IsFile());
    EXPECT_TRUE(GFIL_MakeSpec(L"Z:\\")->IsFolder());
    EXPECT_FALSE(missing->Exists() || missing->IsFile() || missing->IsFolder());
    EXPECT_FALSE(GFIL_MakeSpec(L"c:\\")->Exists());  // only drive Z: is there
}

TEST(PathObject, TheLastReferenceDestroysItAndClosesItsFile) {
    ScratchFolder scratch;
    GFIL_SpecRef item = GFIL_MakeSpec(scratch.Win32(L"data"));
    EXPECT_EQ(item->GetRefCount(), 1u);
    {
        const GFIL_SpecRef copy = item;
        EXPECT_EQ(item->GetRefCount(), 2u);
    }
    EXPECT_EQ(item->GetRefCount(), 1u);
    item->CreateFile(GFIL_MODE_WRITE);  // shares nothing
    item.Reset();
    const GFIL_SpecRef again = GFIL_MakeSpec(scratch.Win32(L"data"));
    again->OpenFile(GFIL_MODE_WRITE);
    EXPECT_NE(static_cast<GFIL_FileSystemWin32&>(*again).GetHandle(), INVALID_HANDLE_VALUE);
}

TEST(PathObject, ItsMemoryComesFromTheGuardedAllocator) {
    W32Sim_FailNext(W32SIM_FAULT_HEAP_ALLOC, 1);
    try {
        GFIL_MakeSpec(L"c:\\a");
        FAIL() << "made";
    } catch (const GLIB_BadAllocException& e) {
        EXPECT_EQ(e.GetSize(), sizeof(GFIL_FileSystemWin32));
        EXPECT_STREQ(e.GetSourceFile(), "commonlib/src/GFIL/GFIL_Utils.cpp");
    }
    W32Sim_ClearFaults();
}

TEST(FileURL, KeepsUrlCharactersAndEscapesTheRestByByte) {
    EXPECT_EQ(GFIL_MakeFileURL(GFIL_MakeSpec(L"Z:\\home\\a b.pdf")), L"file:///Z:/home/a%20b.pdf");
    EXPECT_EQ(GFIL_MakeFileURL(GFIL_MakeSpec(L"\\\\server\\share\\x#y")), L"file://server/share/x%23y");
    EXPECT_EQ(GFIL_MakeFileURL(GFIL_MakeSpec(L"c:\\$-_.+!'(),~@%\u00e9")), L"file:///c:/$-_.+!'(),%7E%40%25%C3%A9");
}
