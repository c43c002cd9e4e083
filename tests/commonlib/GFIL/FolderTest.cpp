// Folders: listing children, creating folders, the temporary folder and temporary names.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "GFIL/GFIL_ErrorCodes.h"
#include "GFIL/GFIL_Utils.h"
#include "Refusal.h"
#include "ScratchFolder.h"

namespace {

std::vector<std::wstring> PathsOf(const std::vector<GFIL_SpecRef>& items) {
    std::vector<std::wstring> paths;
    for (const GFIL_SpecRef& item : items) paths.push_back(item->GetPath());
    return paths;
}

}  // namespace

TEST(ListChildren, GivesEveryNameThatCanMakeAPathObjectInOrder) {
    ScratchFolder scratch;
    for (const char* name : {"b.txt", "A.txt", "con", "x|y"}) scratch.Put(name, "");
    std::filesystem::create_directory(scratch.Linux("sub"));
    std::filesystem::create_directory(scratch.Linux("sub/empty"));
    EXPECT_EQ(PathsOf(GFIL_MakeSpec(scratch.Win32())->ListChildren()),
              (std::vector<std::wstring>{scratch.Win32(L"A.txt"), scratch.Win32(L"b.txt"), scratch.Win32(L"sub")}));
    EXPECT_TRUE(GFIL_MakeSpec(scratch.Win32(L"sub\\empty"))->ListChildren().empty());
    const std::vector<std::wstring> atRoot = PathsOf(GFIL_MakeSpec(L"Z:\\")->ListChildren());
    EXPECT_NE(std::find(atRoot.begin(), atRoot.end(), L"Z:\\tmp"), atRoot.end());
}

TEST(ListChildren, ANameThatIsNoFolderIsNotFound) {
    ScratchFolder scratch;
    scratch.Put("file", "");
    EXPECT_EQ(RefusalOf([&] { GFIL_MakeSpec(scratch.Win32(L"missing"))->ListChildren(); }),
              Refusal(GFIL_ERR_NOT_FOUND, L"Unable to list the contents of the folder \"" + scratch.Win32(L"missing") +
                                              L"\"; The system cannot find the path specified.\r\n (code: 3)"));
    EXPECT_EQ(RefusalOf([&] { GFIL_MakeSpec(scratch.Win32(L"file"))->ListChildren(); }).first, GFIL_ERR_NOT_FOUND);
}

TEST(CreateFolder, MakesOneNewFolderInAnExistingOne) {
    ScratchFolder scratch;
    const GFIL_SpecRef folder = GFIL_MakeSpec(scratch.Win32(L"new"));
    GFIL_CreateFolder(folder);
    EXPECT_TRUE(folder->IsFolder());
    EXPECT_EQ(
        RefusalOf([&] { GFIL_CreateFolder(folder); }),
        Refusal(GFIL_ERR_CREATE_FOLDER, L"Failed to create the directory " + scratch.Win32(L"new") +
                                            L"; Cannot create a file when that file already exists.\r\n (code: 183)"));
}

TEST(TempFolder, IsTheSystemsFolderForTemporaryFiles) {
    ScratchFolder scratch;
    scratch.Put("file", "");
    {
        const TempDirectory temp(scratch.Linux() + "/");
        EXPECT_EQ(GFIL_GetTempFolder()->GetPath(), scratch.Win32());
    }
    for (const std::wstring notFolder : {L"file", L"missing"}) {
        const TempDirectory temp(scratch.Linux(std::string(notFolder.begin(), notFolder.end())));
        EXPECT_EQ(RefusalOf([] { GFIL_GetTempFolder(); }),
                  Refusal(GFIL_ERR_INVALID_PATH, L"The specified temporary folder \"" + scratch.Win32(notFolder) +
                                                     L"\" is not really a folder."));
    }
    const TempDirectory temp("/" + std::string(300, 'a'));
    EXPECT_EQ(RefusalOf([] { GFIL_GetTempFolder(); }),
              Refusal(GFIL_ERR_INVALID_PATH,
                      L"Failed to retrieve the path of the directory designated for temporary "
                      L"files; The filename or extension is too long.\r\n (code: 206)"));
}

TEST(TempName, IsANewEmptyFileOfItsOwnInTheFolder) {
    ScratchFolder scratch;
    const GFIL_SpecRef folder = GFIL_MakeSpec(scratch.Win32());
    const GFIL_SpecRef first = GFIL_MakeTempName(folder);
    const GFIL_SpecRef second = GFIL_MakeTempName(folder);
    EXPECT_NE(first->GetPath(), second->GetPath());
    const std::wstring name = first->GetName();
    EXPECT_EQ(first->GetParent()->GetPath(), scratch.Win32());
    EXPECT_TRUE(name.starts_with(L"GFI") && name.ends_with(L".tmp")) << name;
    EXPECT_TRUE(first->IsFile() && second->IsFile());
    EXPECT_EQ(RefusalOf([&] { GFIL_MakeTempName(GFIL_MakeSpec(scratch.Win32(L"missing"))); }),
              Refusal(GFIL_ERR_INVALID_PATH, L"Failed to create a temporary pathname in the directory \"" +
                                                 scratch.Win32(L"missing") +
                                                 L"\"; The directory name is invalid.\r\n (code: 267)"));
}
