// Framework dialogs as the user meets them in the host: XCHG_Dialog (modeless creation from the resource
// modules, what its window procedure keeps and what it leaves to the dialog and the host, commands, and the
// item helpers with their list values). Paint, keys and mouse buttons, closing, the host destroying its window
// and failures in the dialog procedure are WindowObjTest's, beside the plain window's. Choosing entries, pressing
// buttons, and filling and reading fields as the editor does are EditDialogs' journeys.
#include "ProbeTest.h"

namespace {

constexpr int kWidthField = 1002;
constexpr int kHeightField = 1003;
constexpr int kBoxList = 1006;
constexpr int kUnitList = 1008;
constexpr int kRegionLabel = 1016;
constexpr int kList = 1100;        // a list box the probe adds
constexpr int kSortedList = 1101;  // a sorted one
constexpr int kCheck = 1102;       // a check box

class Dialog : public ProbeWindowsTest {
protected:
    // The probe's "Page Geometry" dialog, created and shown.
    HWND ShownDialog(HostConfig config = HostConfig()) {
        Start(std::move(config));
        dialog = Ask<HWND>("Probe_CreateDialog", 128);
        Call<void (*)()>("Probe_ShowDialog");
        WinSub_Idle();
        WindowLog();
        return dialog;
    }
    HostWindow DialogHostWindow() { return Ask<HostWindow>("Probe_DialogHostWindow"); }
    HWND Item(int id) const { return GetDlgItem(dialog, id); }
    std::string Entries(int id) const {
        std::string entries;
        for (int index = 0;; ++index) {
            wchar_t text[64];
            if (WinSub_GetEntryText(Item(id), index, text, 64) < 0) return entries;
            entries += GLIB_Narrow(text) + ";";
        }
    }
    std::string Values(int id, int count) {
        std::string values;
        for (int index = 0; index < count; ++index) {
            values += std::to_string(DialogItem("GetListItemValue", id, index)) + ";";
        }
        return values;
    }
    void AddEntries(int id, std::initializer_list<const char*> texts) {
        for (const char* text : texts) DialogItem("ListAdd", id, 0, 0, text);
    }

    HWND dialog = nullptr;
};

TEST_F(Dialog, IsCreatedHiddenFromItsResourceOwnedByTheMainWindowAndHandedToTheHost) {
    Start();
    dialog = Ask<HWND>("Probe_CreateDialog", 128);
    ASSERT_NE(dialog, nullptr) << out.str();
    EXPECT_EQ(WindowLog(), "Dialog.WillDestroy@0 Dialog.DidCreate@0 ");
    EXPECT_EQ(Screen(dialog, WINSUB_DUMP_HIDDEN).rfind("dialog \"Page Geometry\"", 0), 0u);
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), host->Windows().MainWindow());
    EXPECT_EQ(host->Windows().ModelessDialogs(), std::vector<HWND>{dialog});
    EXPECT_EQ(host->Windows().FindByPlatform(dialog), DialogHostWindow());
    EXPECT_EQ(Ask<HMODULE>("Probe_DialogResourceModule"), Ask<HMODULE>("Probe_PluginModule"));

    // Shown, it is visible as the editor's dialogs are (EditDialogs); shown again, WillShow is not asked again.
    ASSERT_TRUE(Call<void (*)()>("Probe_ShowDialog"));
    ASSERT_TRUE(Call<void (*)()>("Probe_ShowDialog"));
    const std::string log = WindowLog();
    EXPECT_EQ(log.rfind("Dialog.WillShow@0 ", 0), 0u) << log;
    EXPECT_EQ(log.find("Dialog.WillShow", 1), std::string::npos) << log;
}

TEST_F(Dialog, ALocalizedModuleWithoutTheDialogLeavesItToThePlugInsOwn) {
    folder.Add("testplugins/Probe.DEU", "Probe.DEU");
    HostConfig config;
    config.language = "DEU";
    Start(config);
    ASSERT_EQ(Text("Probe_GetString", 20027), "Nicht genügend Arbeitsspeicher");  // the localized module is in use
    dialog = Ask<HWND>("Probe_CreateDialog", 128);
    ASSERT_NE(dialog, nullptr) << out.str();
    EXPECT_EQ(Ask<HMODULE>("Probe_DialogResourceModule"), Ask<HMODULE>("Probe_PluginModule"));
    EXPECT_EQ(WindowLog(), "Dialog.WillDestroy@0 Dialog.DidCreate@0 ");
    EXPECT_EQ(host->FailedCalls(), 0) << out.str();
}

TEST_F(Dialog, ListValuesStayParallelToTheEntries) {
    ShownDialog();
    AddEntries(kList, {"a", "b", "c"});
    for (int index = 0; index < 3; ++index) DialogItem("SetListItemValue", kList, index, 10 + index);
    DialogItem("ListInsert", kList, 1, 0, "x");
    EXPECT_EQ(Entries(kList), "a;x;b;c;");
    EXPECT_EQ(Values(kList, 4), "10;0;11;12;");
    DialogItem("ListDelete", kList, 0);
    DialogItem("ListDelete", kList, 7);  // no such entry: nothing changes
    EXPECT_EQ(Entries(kList), "x;b;c;");
    EXPECT_EQ(Values(kList, 4), "0;11;12;0;");
    EXPECT_EQ(DialogItem("GetListItemValue", kList, -1), 0);
    EXPECT_EQ(DialogItem("GetListItemValue", 9999, 0), 0);

    // A sorted list box puts an entry where it belongs, and its value with it.
    AddEntries(kSortedList, {"m"});
    DialogItem("SetListItemValue", kSortedList, 0, 7);
    AddEntries(kSortedList, {"z", "a"});
    EXPECT_EQ(Entries(kSortedList), "a;m;z;");
    EXPECT_EQ(Values(kSortedList, 3), "0;7;0;");

    // Drop-down lists take entries the same way.
    AddEntries(kUnitList, {"Points", "Inches"});
    DialogItem("SetListItemValue", kUnitList, 1, 5);
    DialogItem("ListInsert", kUnitList, 0, 0, "Picas");
    EXPECT_EQ(Entries(kUnitList), "Picas;Points;Inches;");
    EXPECT_EQ(Values(kUnitList, 3), "0;0;5;");
    EXPECT_EQ(DialogItem("ListCount", kUnitList), 3);

    DialogItem("ListClear", kList);
    EXPECT_EQ(Entries(kList), "");
    EXPECT_EQ(Values(kList, 1), "0;");
    AddEntries(kList, {"new"});
    EXPECT_EQ(Values(kList, 1), "0;");
}

TEST_F(Dialog, APopupEntrysTextIsCopiedOnlyWhenItFits) {
    ShownDialog();
    AddEntries(kUnitList, {"Inches"});
    int length = 0;
    EXPECT_EQ(DialogItemText("GetPopupItemText", kUnitList, 0, 7, &length), "Inches");
    EXPECT_EQ(length, 6);
    EXPECT_EQ(DialogItemText("GetPopupItemText", kUnitList, 0, 6, &length), "(untouched)");
    EXPECT_EQ(length, 6);
    DialogItemText("GetPopupItemText", kUnitList, 3, 64, &length);
    EXPECT_EQ(length, -1);  // no such entry
}

TEST_F(Dialog, ItemHelpersReadAndWriteWhatTheUserSees) {
    ShownDialog();
    DialogItem("SetItemInt", kWidthField, 0, -42);
    EXPECT_EQ(DialogItem("GetItemInt", kWidthField), -42);
    int length = 0;
    EXPECT_EQ(DialogItemText("GetItemText", kWidthField, 0, 3, &length), "-4");  // cut to the buffer
    EXPECT_EQ(length, 2);
    AddEntries(kUnitList, {"Points", "Inches"});
    DialogItem("ListSelect", kUnitList, 1);
    EXPECT_EQ(Info(Item(kUnitList)).selection, 1);
    EXPECT_EQ(DialogItem("ListIsSelected", kUnitList, 1), 1);
    EXPECT_EQ(DialogItem("ToggleCheck", kCheck), 1);  // the new state
    EXPECT_EQ(Info(Item(kCheck)).check, BST_CHECKED);
    EXPECT_EQ(DialogItem("ToggleCheck", kCheck), 0);
    EXPECT_EQ(Info(Item(kCheck)).check, BST_UNCHECKED);
}

}  // namespace
