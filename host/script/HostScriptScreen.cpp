#include "host/script/HostScriptScreen.h"

#include <cwctype>
#include <string>
#include <vector>

#include "host/core/HostText.h"
#include "host/render/HostWindowPicture.h"
#include "host/script/HostScriptError.h"
#include "host/view/HostScreenText.h"
#include "win32sub/Desktop.h"

namespace {

// Rounds of idle steps after which a window that keeps posting to itself is reported rather than served
// forever.
constexpr int kMaxIdleRounds = 1000;

WINSUB_WINDOWINFO InfoOf(HWND window) {
    WINSUB_WINDOWINFO info{};
    WinSub_GetWindowInfo(window, &info);
    return info;
}

std::string Dump(HWND root) {
    std::wstring text(static_cast<std::size_t>(WinSub_DumpWindows(root, 0, nullptr, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(WinSub_DumpWindows(root, 0, text.data(), static_cast<int>(text.size()))));
    return HostNarrow(text);
}

// Depth first, in Z order; a shown control wins over a hidden one with the same id.
HWND FindControl(HWND parent, int id, HWND& hidden) {
    for (HWND child : HostWindowsOf(parent)) {
        const WINSUB_WINDOWINFO info = InfoOf(child);
        if (info.id == id) {
            if (info.shown) return child;
            if (hidden == nullptr) hidden = child;
        }
        if (const HWND found = FindControl(child, id, hidden)) return found;
    }
    return nullptr;
}

bool SameTextIgnoringCase(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool AllDigits(const std::string& word) {
    if (word.empty() || word.size() > 9) return false;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Describe(HWND window) {
    const std::string title = HostShownText(window);
    return title.empty() ? std::string("the active window") : Quoted(title);
}

[[noreturn]] void Fail(const std::string& message) { throw HostScriptError(message); }

[[noreturn]] void FailedAction(const char* action) {
    Fail(std::string(action) + " failed: error " + std::to_string(GetLastError()));
}

struct KeyName {
    const char* name;
    UINT key;
};
constexpr KeyName kKeys[] = {
    {"enter", VK_RETURN}, {"return", VK_RETURN}, {"escape", VK_ESCAPE},  {"esc", VK_ESCAPE},
    {"tab", VK_TAB},      {"space", VK_SPACE},   {"backspace", VK_BACK}, {"delete", VK_DELETE},
    {"up", VK_UP},        {"down", VK_DOWN},     {"left", VK_LEFT},      {"right", VK_RIGHT},
    {"home", VK_HOME},    {"end", VK_END},       {"pageup", VK_PRIOR},   {"pagedown", VK_NEXT},
};

std::string Lower(std::string text) {
    for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
}

UINT VirtualKey(const std::string& name) {
    const std::string lower = Lower(name);
    for (const KeyName& key : kKeys) {
        if (lower == key.name) return key.key;
    }
    if (lower.size() == 1 && ((lower[0] >= 'a' && lower[0] <= 'z') || (lower[0] >= '0' && lower[0] <= '9'))) {
        return static_cast<UINT>(lower[0] >= 'a' ? lower[0] - 'a' + 'A' : lower[0]);
    }
    if (lower.size() >= 2 && lower[0] == 'f' && AllDigits(lower.substr(1))) {
        const int number = std::stoi(lower.substr(1));
        if (number >= 1 && number <= 12) return static_cast<UINT>(VK_F1 + number - 1);
    }
    Fail("unknown key \"" + name +
         "\" (enter, escape, tab, space, backspace, delete, up, down, left, right, home, "
         "end, pageup, pagedown, f1 to f12, a letter or a digit)");
}

}  // namespace

std::string HostScriptScreen::TextOf(HWND window) { return HostShownText(window); }

int HostScriptScreen::ControlId(const std::string& word) {
    if (word.size() < 2 || word[0] != '#' || !AllDigits(word.substr(1))) {
        Fail("a control is written #ID, as the window dump shows it, not \"" + word + "\"");
    }
    return std::stoi(word.substr(1));
}

HWND HostScriptScreen::TopLevel(const WindowName& name) const {
    if (!name) {
        const HWND active = GetActiveWindow();
        if (active == nullptr) Fail("no window is active");
        return active;
    }
    for (HWND window : HostWindowsOf(nullptr)) {
        if (InfoOf(window).shown && HostShownText(window) == *name) return window;
    }
    Fail("no window " + Quoted(*name) + " on the screen");
}

HWND HostScriptScreen::Control(const std::string& word, const WindowName& in) const {
    const int id = ControlId(word);
    const HWND root = TopLevel(in);
    HWND hidden = nullptr;
    const HWND found = FindControl(root, id, hidden);
    if (found != nullptr) return found;
    if (hidden != nullptr) Fail("control " + word + " of " + Describe(root) + " is hidden");
    Fail("no control " + word + " in " + Describe(root));
}

std::string HostScriptScreen::Label(HWND control) {
    const std::string text = HostShownText(control);
    return "#" + std::to_string(InfoOf(control).id) + (text.empty() ? "" : " " + Quoted(text));
}

bool HostScriptScreen::Usable(HWND control, const char* action) {
    if (InfoOf(control).usable) return true;
    m_out << "[" << action << "] " << Label(control) << " (disabled: nothing happens)\n";
    return false;
}

void HostScriptScreen::PrintWindows() {
    const std::string text = Dump(nullptr);
    m_out << (text.empty() ? "(no windows)\n" : text);
    if (!text.empty() && text.back() != '\n') m_out << "\n";
}

void HostScriptScreen::PrintWindow(const std::string& which, bool quoted, const WindowName& in) {
    HWND window = nullptr;
    if (!quoted && !which.empty() && which[0] == '#') {
        window = Control(which, in);
    } else {
        if (in) Fail("\"in\" names the window of a control; a window is named by its title alone");
        window = TopLevel(which);
    }
    const std::string text = Dump(window);
    m_out << text;
    if (!text.empty() && text.back() != '\n') m_out << "\n";
}

void HostScriptScreen::Type(const std::string& word, const std::string& text, const WindowName& in) {
    const HWND control = Control(word, in);
    if (!SameTextIgnoringCase(InfoOf(control).className, L"Edit")) Fail(word + " is not an edit field");
    if (!Usable(control, "type")) return;
    m_out << "[type] #" << InfoOf(control).id << " " << Quoted(text) << "\n";
    if (!WinSub_ReplaceText(control, HostWiden(text).c_str())) FailedAction("typing");
}

void HostScriptScreen::Choose(const std::string& word, const std::string& entry, bool quoted, const WindowName& in) {
    const HWND control = Control(word, in);
    const int count = InfoOf(control).entryCount;
    if (count < 0) Fail(word + " is not a combo box or list box");
    int index = -1;
    if (!quoted && AllDigits(entry)) {
        index = std::stoi(entry) - 1;
        if (index < 0 || index >= count) {
            Fail(word + " has " + std::to_string(count) + (count == 1 ? " entry" : " entries") + ", not " + entry);
        }
    } else {
        const std::wstring wanted = HostWiden(entry);
        std::string entries;
        for (int i = 0; i < count && index < 0; ++i) {
            const std::wstring text = HostEntryText(control, i);
            if (SameTextIgnoringCase(text, wanted)) index = i;
            entries += (i == 0 ? "" : ", ") + Quoted(HostNarrow(text));
        }
        if (index < 0) {
            Fail(word + " has no entry " + Quoted(entry) + (count == 0 ? " (no entries)" : " (" + entries + ")"));
        }
    }
    if (!Usable(control, "choose")) return;
    m_out << "[choose] #" << InfoOf(control).id << " " << Quoted(HostNarrow(HostEntryText(control, index))) << "\n";
    if (!WinSub_ChooseEntry(control, index)) FailedAction("choosing");
}

void HostScriptScreen::Press(const std::string& word, const WindowName& in) {
    const HWND control = Control(word, in);
    if (!Usable(control, "press")) return;
    m_out << "[press] " << Label(control) << "\n";
    if (!WinSub_Click(control)) FailedAction("the click");
}

void HostScriptScreen::SetCheck(const std::string& word, bool checked, const WindowName& in) {
    const HWND control = Control(word, in);
    const char* action = checked ? "check" : "uncheck";
    const int wanted = checked ? BST_CHECKED : BST_UNCHECKED;
    if (InfoOf(control).check < 0) Fail(word + " is not a check box or radio button");
    if (InfoOf(control).check == wanted) {
        m_out << "[" << action << "] " << Label(control) << " (already " << (checked ? "checked" : "unchecked")
              << ")\n";
        return;
    }
    const DWORD type = InfoOf(control).style & BS_TYPEMASK;
    if (!checked && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)) {
        Fail(word + " is a radio button: it is unchecked by checking another one");
    }
    if (!Usable(control, action)) return;
    m_out << "[" << action << "] " << Label(control) << "\n";
    // A three-state box passes through "indeterminate" on its way.
    for (int click = 0; click < 3; ++click) {
        if (!WinSub_Click(control)) FailedAction("the click");
        if (!IsWindow(control)) return;  // the click closed its dialog
        if (InfoOf(control).check == wanted) return;
    }
    Fail(word + " does not become " + (checked ? "checked" : "unchecked") + " by clicking it");
}

void HostScriptScreen::PressKey(const std::string& name, UINT modifiers) {
    const UINT key = VirtualKey(name);
    std::string shown;
    if (modifiers & WINSUB_CONTROL) shown += "ctrl+";
    if (modifiers & WINSUB_ALT) shown += "alt+";
    if (modifiers & WINSUB_SHIFT) shown += "shift+";
    if (GetFocus() == nullptr && GetActiveWindow() == nullptr) Fail("no window is active to take the key");
    m_out << "[key] " << shown << Lower(name) << "\n";
    if (!WinSub_PressKey(key, modifiers)) FailedAction("the key");
}

void HostScriptScreen::CloseWindow(const WindowName& title) {
    const HWND window = TopLevel(title);
    if (!InfoOf(window).usable) {
        m_out << "[close] " << Describe(window) << " (disabled: nothing happens)\n";
        return;
    }
    m_out << "[close] " << Describe(window) << "\n";
    if (!WinSub_Close(window)) FailedAction("closing");
}

void HostScriptScreen::Idle(DWORD milliseconds) {
    WinSub_AdvanceClock(milliseconds);
    for (int round = 0; WinSub_Idle() > 0; ++round) {
        if (round == kMaxIdleRounds) {
            Fail("messages keep coming after " + std::to_string(kMaxIdleRounds) + " idle steps");
        }
    }
}

void HostScriptScreen::RenderWindow(const std::string& title, const std::string& path) {
    const HostWindowPicture picture(TopLevel(title));
    picture.Picture().SavePng(path);
    m_out << "[render] " << path << ": window " << Quoted(title) << ", " << picture.Picture().Width() << "x"
          << picture.Picture().Height() << " pixels\n";
}
