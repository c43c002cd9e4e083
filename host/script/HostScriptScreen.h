// The script's hands and eyes on the screen: finds top-level windows by title and controls by their id, acts
// on them with the window manager's user actions, and prints what the user saw happen. A command that names
// something the user cannot find or act on fails with HostScriptError; a disabled control is clicked to no
// effect, as a user would find.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "Win32.h"

class HostScriptScreen {
public:
    // A top-level window named by its title; none means the active window.
    using WindowName = std::optional<std::string>;

    explicit HostScriptScreen(std::ostream& out) : m_out(out) {}

    void PrintWindows();
    // `which` is a top-level window's title, or "#ID" for a control of `in`.
    void PrintWindow(const std::string& which, bool quoted, const WindowName& in);
    void Type(const std::string& control, const std::string& text, const WindowName& in);
    // `entry` is an entry's text; unquoted digits pick the entry by its place in the list (1 is the first).
    void Choose(const std::string& control, const std::string& entry, bool quoted, const WindowName& in);
    void Press(const std::string& control, const WindowName& in);
    // Clicks a check box or radio button until it shows the state wanted (not at all when it already does).
    void SetCheck(const std::string& control, bool checked, const WindowName& in);
    // `name` is a key name (enter, escape, tab, f1, ...) or one letter or digit; `modifiers` WINSUB_ bits.
    void PressKey(const std::string& name, UINT modifiers);
    void CloseWindow(const WindowName& title);
    // Writes a picture of the top-level window of that title as a PNG file.
    void RenderWindow(const std::string& title, const std::string& path);
    // Moves the clock on and delivers what waits until nothing does.
    void Idle(DWORD milliseconds);

    // Parses "#ID"; fails with HostScriptError for anything else.
    static int ControlId(const std::string& word);
    // The text a window shows, as UTF-8.
    static std::string TextOf(HWND window);

private:
    HWND TopLevel(const WindowName& name) const;
    HWND Control(const std::string& word, const WindowName& in) const;
    // The control's text in quotes after its id, as the dump shows it: `#1001 "OK"`.
    static std::string Label(HWND control);
    // False (and tells the user nothing happened) when the control is disabled.
    bool Usable(HWND control, const char* action);

    std::ostream& m_out;
};
