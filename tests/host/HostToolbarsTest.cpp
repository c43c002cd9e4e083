// The host's toolbars through its AcroView entries: the host's own toolbar, where buttons go, room, flyouts,
// named and docked toolbars, who holds what, bad handles refused with a host error, and the toolbars as a
// user sees and clicks them.
#include <vector>

#include "HostEntryTest.h"

namespace {

using View = HostAcroViewTable;

int g_executions = 0;
int32_t g_modifiersSeen = -1;

void CountExecution(void*) {
    ++g_executions;
    g_modifiersSeen = View::View_KeyModifiers();
}
HostBool AnswerNo(void*) { return 0; }
HostBool AnswerYes(void*) { return 1; }

using Names = std::vector<std::string>;

class HostToolbarEntries : public HostEntryTest {
protected:
    HostToolbarEntries() : HostEntryTest(Room(3)) {
        g_executions = 0;
        g_modifiersSeen = -1;
    }
    static HostConfig Room(int room) {
        HostConfig config;
        config.toolbarRoom = room;
        return config;
    }
    HostAtom Atom(const char* name) { return host->Atoms().FromName(name); }
    HostToolButton NewButton(const char* name) {
        return Value([&] { return View::View_NewToolButton(Atom(name), nullptr, 0, 0); });
    }
    HostToolButton ByName(HostToolbar toolbar, const char* name) {
        return Value([&] { return View::View_ToolButtonByName(toolbar, Atom(name)); });
    }
    bool HasRoom(HostToolbar toolbar, int32_t buttons, int32_t separators) {
        return Value([&] { return View::View_ToolbarHasRoom(toolbar, buttons, separators); }) != 0;
    }
    HostToolbar NewFlyout() {
        return Value([] { return View::View_NewFlyout(); });
    }
    Names HostButtons() const { return host->Toolbars().ButtonNames("Toolbar"); }

    const Names kHostButtons{"Open", "Save", "Print", "endFileGroup", "Hand", "SelectText", "ZoomIn", "endToolsGroup"};
};

TEST_F(HostToolbarEntries, HostToolbarHasItsButtonsAndEndsTheToolGroup) {
    const HostToolbar toolbar = View::View_Toolbar();
    EXPECT_EQ(HostButtons(), kHostButtons);
    const HostToolButton groupEnd = ByName(toolbar, "endToolsGroup");
    EXPECT_NE(groupEnd, HostToolButton::None);
    EXPECT_STREQ(host->Atoms().NameOf(Value([&] { return View::View_ToolButtonName(groupEnd); })), "endToolsGroup");
    EXPECT_EQ(ByName(toolbar, ""), HostToolButton::None);
    EXPECT_EQ(ByName(toolbar, "NoSuchButton"), HostToolButton::None);
    EXPECT_EQ(Value([] { return View::View_ToolbarByName("Toolbar"); }), toolbar);
}

TEST_F(HostToolbarEntries, ButtonsGoNextToTheirNeighbourOrFirstOrLast) {
    const HostToolbar toolbar = View::View_Toolbar();
    const HostToolButton before = NewButton("P:Before");
    const HostToolButton after = NewButton("P:After");
    const HostToolButton first = NewButton("P:First");
    const HostToolButton last = NewButton("P:Last");
    ASSERT_TRUE(Entry([&] {
        View::View_AddToolButton(toolbar, before, 1, ByName(toolbar, "endToolsGroup"));
        View::View_AddToolButton(toolbar, after, 0, ByName(toolbar, "Open"));
        View::View_AddToolButton(toolbar, first, 1, HostToolButton::None);
        View::View_AddToolButton(toolbar, last, 0, HostToolButton::None);
    }));
    EXPECT_EQ(HostButtons(), (Names{"P:First", "Open", "P:After", "Save", "Print", "endFileGroup", "Hand", "SelectText",
                                    "ZoomIn", "P:Before", "endToolsGroup", "P:Last"}));

    // A neighbour standing elsewhere is no neighbour here.
    const HostToolbar flyout = NewFlyout();
    const HostToolButton inFlyout = NewButton("P:InFlyout");
    const HostToolButton placed = NewButton("P:Placed");
    ASSERT_TRUE(Entry([&] {
        View::View_AddToolButton(flyout, inFlyout, 0, HostToolButton::None);
        View::View_AddToolButton(toolbar, placed, 0, inFlyout);
    }));
    EXPECT_EQ(HostButtons().back(), "P:Placed");
}

TEST_F(HostToolbarEntries, RoomIsWhatThePlugInsHaveNotTakenYet) {
    const HostToolbar toolbar = View::View_Toolbar();
    EXPECT_TRUE(HasRoom(toolbar, 2, 1));
    EXPECT_FALSE(HasRoom(toolbar, 3, 1));
    const HostToolButton button = NewButton("P:Taking");
    Entry([&] { View::View_AddToolButton(toolbar, button, 0, HostToolButton::None); });
    EXPECT_TRUE(HasRoom(toolbar, 1, 1));
    EXPECT_FALSE(HasRoom(toolbar, 2, 1));
    Entry([&] { View::View_ReleaseToolButton(button); });
    EXPECT_TRUE(HasRoom(toolbar, 2, 1));  // given back
    EXPECT_TRUE(HasRoom(NewFlyout(), 100, 100));
    EXPECT_TRUE(Fails([&] { View::View_ToolbarHasRoom(toolbar, -1, 0); }));
}

TEST_F(HostToolbarEntries, AFlyoutHangsOnItsButtonWhichHoldsIt) {
    const HostToolbar toolbar = View::View_Toolbar();
    const HostToolButton button = NewButton("P:WithFlyout");
    const HostToolButton inside = NewButton("P:Inside");
    const HostToolbar flyout = NewFlyout();
    ASSERT_TRUE(Entry([&] {
        View::View_AttachFlyout(button, flyout);
        View::View_AddToolButton(flyout, inside, 0, HostToolButton::None);
        View::View_AddToolButton(toolbar, button, 1, ByName(toolbar, "endToolsGroup"));
        View::View_ReleaseFlyout(flyout);  // the button still holds it
    }));
    EXPECT_EQ(host->Toolbars().FlyoutButtonNames("P:WithFlyout"), Names{"P:Inside"});
    EXPECT_EQ(ByName(flyout, "P:Inside"), inside);

    const std::size_t bars = host->Toolbars().BarCount();
    ASSERT_TRUE(Entry([&] { View::View_ReleaseToolButton(button); }));
    EXPECT_EQ(host->Toolbars().BarCount(), bars - 1);  // the flyout went with its button
    EXPECT_TRUE(Fails([&] { View::View_ReleaseFlyout(flyout); }));
    EXPECT_TRUE(Entry([&] { View::View_ToolButtonName(inside); }));  // still held by whoever made it
    EXPECT_EQ(HostButtons(), kHostButtons);
}

TEST_F(HostToolbarEntries, AButtonNobodyHoldsLeavesItsToolbar) {
    const HostToolbar toolbar = View::View_Toolbar();
    const HostToolButton button = NewButton("P:Mine");
    Entry([&] { View::View_AddToolButton(toolbar, button, 0, HostToolButton::None); });
    const HostToolButton lent = ByName(toolbar, "P:Mine");  // lent, not acquired
    EXPECT_EQ(lent, button);
    EXPECT_TRUE(Entry([&] { View::View_ReleaseToolButton(button); }));
    EXPECT_EQ(HostButtons(), kHostButtons);
    EXPECT_TRUE(Fails([&] { View::View_ReleaseToolButton(lent); }));
    // The host's own buttons are not the plug-ins' to release.
    EXPECT_TRUE(Fails([&] { View::View_ReleaseToolButton(ByName(toolbar, "Hand")); }));
    EXPECT_EQ(HostButtons(), kHostButtons);
}

TEST_F(HostToolbarEntries, NamedToolbarsAreMadeOnceAndDocked) {
    HostToolbar toolbar = HostToolbar::None;
    HostDockingRecord docking{};
    docking.size = sizeof docking;
    for (int i = 0; i < 9; ++i) docking.word[i] = i + 1;
    ASSERT_TRUE(Entry([&] {
        toolbar = View::View_NewToolbar("P:Bar", "My Bar");
        View::View_DockToolbar("P:Bar", 1, &docking);
    }));
    EXPECT_EQ(Value([] { return View::View_ToolbarByName("P:Bar"); }), toolbar);
    EXPECT_TRUE(host->Toolbars().IsFloating("P:Bar"));
    EXPECT_EQ(host->Toolbars().DockingOf("P:Bar").word[8], 9);
    EXPECT_TRUE(Fails([&] { View::View_NewToolbar("P:Bar", "Again"); }));
    EXPECT_EQ(Value([] { return View::View_ToolbarByName("P:Unknown"); }), HostToolbar::None);

    HostDockingRecord wrongSize = docking;
    wrongSize.size = 20;
    EXPECT_TRUE(Fails([&] { View::View_DockToolbar("P:Bar", 0, &wrongSize); }));
    EXPECT_TRUE(Fails([&] { View::View_DockToolbar("P:Unknown", 0, &docking); }));
    EXPECT_TRUE(Fails([&] { View::View_NewToolbar(nullptr, "No name"); }));
    EXPECT_TRUE(Fails([&] { View::View_NewToolbar("", "No name"); }));
}

TEST_F(HostToolbarEntries, BadHandlesAndValuesFailWithAHostError) {
    const HostToolbar toolbar = View::View_Toolbar();
    const auto unknownButton = static_cast<HostToolButton>(0x7FFFFFF0);
    const auto unknownBar = static_cast<HostToolbar>(0x7FFFFFF0);
    const HostToolButton button = NewButton("P:Mine");
    EXPECT_TRUE(Fails([&] { View::View_NewToolButton(static_cast<HostAtom>(0x7FFFFFF0), nullptr, 0, 0); }));
    EXPECT_TRUE(Fails([&] { View::View_ToolButtonByName(unknownBar, Atom("Hand")); }));
    EXPECT_TRUE(Fails([&] { View::View_ToolButtonByName(toolbar, static_cast<HostAtom>(0x7FFFFFF0)); }));
    EXPECT_TRUE(Fails([&] { View::View_AddToolButton(toolbar, unknownButton, 0, HostToolButton::None); }));
    EXPECT_TRUE(Fails([&] { View::View_AddToolButton(toolbar, button, 0, unknownButton); }));
    EXPECT_TRUE(Fails([&] { View::View_AddToolButton(HostToolbar::None, button, 0, HostToolButton::None); }));
    EXPECT_TRUE(Fails([&] { View::View_ReleaseFlyout(toolbar); }));  // not a flyout
    EXPECT_TRUE(Fails([&] { View::View_AttachFlyout(button, toolbar); }));
    const auto unknownCallback = static_cast<HostCallback>(0x7FFFFFF0);
    EXPECT_TRUE(Fails([&] { View::View_SetToolButtonExecute(button, unknownCallback, nullptr); }));
    EXPECT_TRUE(Fails([&] { View::View_SetToolButtonHelpText(unknownButton, "Help"); }));
    EXPECT_TRUE(Fails([&] { View::View_ToolButtonName(HostToolButton::None); }));

    Entry([&] { View::View_AddToolButton(toolbar, button, 0, HostToolButton::None); });
    EXPECT_TRUE(Fails([&] { View::View_AddToolButton(toolbar, button, 0, HostToolButton::None); }));
    // A flyout hangs on one button, and cannot hold the button it hangs on.
    const HostToolbar flyout = NewFlyout();
    const HostToolButton other = NewButton("P:Other");
    const HostToolButton inner = NewButton("P:Inner");
    ASSERT_TRUE(Entry([&] {
        View::View_AttachFlyout(button, flyout);
        View::View_AddToolButton(flyout, inner, 0, HostToolButton::None);
    }));
    EXPECT_TRUE(Fails([&] { View::View_AttachFlyout(other, flyout); }));
    const HostToolbar innerFlyout = NewFlyout();
    Entry([&] { View::View_AttachFlyout(inner, innerFlyout); });
    EXPECT_TRUE(Fails([&] { View::View_AddToolButton(innerFlyout, button, 0, HostToolButton::None); }));
    EXPECT_TRUE(Fails([&] { View::View_AttachFlyout(inner, flyout); }));
    EXPECT_EQ(host->Toolbars().FlyoutButtonNames("P:Mine"), Names{"P:Inner"});  // and the host goes on
}

TEST_F(HostToolbarEntries, PrintsButtonsStatesFlyoutsAndSeparators) {
    const HostToolbar toolbar = View::View_Toolbar();
    static int picture;
    HostToolButton button = HostToolButton::None;
    HostToolButton marked = HostToolButton::None;
    HostToolbar flyout = HostToolbar::None;
    ASSERT_TRUE(Entry([&] {
        button = View::View_NewToolButton(Atom("P:Shown"), &picture, 0, 0);
        marked = View::View_NewToolButton(Atom("P:Chosen"), nullptr, 0, 0);
        const HostToolButton separator = View::View_NewToolButton(Atom("P:Separator"), nullptr, 0, 1);
        View::View_SetToolButtonHelpText(button, "Shown Tool");
        View::View_SetToolButtonComputeEnabled(button, Callback(AnswerNo), nullptr);
        View::View_SetToolButtonComputeMarked(marked, Callback(AnswerYes), nullptr);
        flyout = View::View_NewFlyout();
        View::View_AttachFlyout(button, flyout);
        View::View_AddToolButton(flyout, marked, 0, HostToolButton::None);
        View::View_AddToolButton(toolbar, button, 0, HostToolButton::None);
        View::View_AddToolButton(toolbar, separator, 0, HostToolButton::None);
        View::View_NewToolbar("P:Bar", "My Bar");
    }));
    EXPECT_EQ(host->Toolbars().Text(),
              "Toolbar Toolbar  [Toolbar]\n"
              "    (icon) \"Open\"  [Open]\n"
              "    (icon) \"Save\"  [Save]\n"
              "    (icon) \"Print\"  [Print]\n"
              "    |  [endFileGroup]\n"
              "    (icon) \"Hand Tool\"  [Hand]\n"
              "    (icon) \"Select Text\"  [SelectText]\n"
              "    (icon) \"Zoom In\"  [ZoomIn]\n"
              "    |  [endToolsGroup]\n"
              "    (icon) \"Shown Tool\" v  (disabled)  [P:Shown]\n"
              "    *   [P:Chosen]\n"
              "    |  [P:Separator]\n"
              "Toolbar My Bar  (not docked)  [P:Bar]\n");
}

TEST_F(HostToolbarEntries, ClickAsksEnabledThenExecutesWithModifiersHeld) {
    const HostToolbar toolbar = View::View_Toolbar();
    const HostToolButton button = NewButton("P:Run");
    const HostToolButton inside = NewButton("P:InFlyout");
    const HostToolbar flyout = NewFlyout();
    ASSERT_TRUE(Entry([&] {
        View::View_SetToolButtonHelpText(button, "Run Tool");
        View::View_SetToolButtonExecute(button, Callback(CountExecution), nullptr);
        View::View_SetToolButtonComputeEnabled(button, Callback(AnswerYes), nullptr);
        View::View_SetToolButtonExecute(inside, Callback(CountExecution), nullptr);
        View::View_AddToolButton(flyout, inside, 0, HostToolButton::None);
        View::View_AttachFlyout(button, flyout);
        View::View_AddToolButton(toolbar, button, 0, HostToolButton::None);
    }));
    EXPECT_EQ(host->Toolbars().Click("P:Run", kHostKeyControl), HostClickResult::Executed);
    EXPECT_EQ(g_modifiersSeen, kHostKeyControl);
    EXPECT_EQ(View::View_KeyModifiers(), 0);
    EXPECT_EQ(host->Toolbars().Click("P:InFlyout", kHostKeyAlt), HostClickResult::Executed);
    EXPECT_EQ(g_modifiersSeen, kHostKeyAlt);
    EXPECT_EQ(g_executions, 2);
    EXPECT_NE(out.str().find("[button] Run Tool\n"), std::string::npos);

    Entry([&] { View::View_SetToolButtonComputeEnabled(button, Callback(AnswerNo), nullptr); });
    EXPECT_EQ(host->Toolbars().Click("P:Run"), HostClickResult::Disabled);
    EXPECT_EQ(g_executions, 2);
    EXPECT_EQ(host->Toolbars().Click("endToolsGroup"), HostClickResult::NotFound);  // a separator
    EXPECT_EQ(host->Toolbars().Click("P:Nowhere"), HostClickResult::NotFound);
    // Taken off the toolbar, a button is out of the user's reach.
    Entry([&] { View::View_AttachFlyout(button, HostToolbar::None); });
    EXPECT_EQ(host->Toolbars().Click("P:InFlyout"), HostClickResult::NotFound);
}

}  // namespace
