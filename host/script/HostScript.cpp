#include "host/script/HostScript.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "host/core/Host.h"
#include "host/document/HostBoxReport.h"
#include "host/document/HostDocument.h"
#include "host/document/HostFixedText.h"
#include "host/render/HostViewPicture.h"
#include "host/script/HostScriptError.h"
#include "host/ui/HostCommand.h"
#include "host/view/HostPageViewState.h"
#include "win32sub/Desktop.h"

struct HostScript::Command {
    const char* name;
    std::size_t minArguments;
    std::size_t maxArguments;  // kAny: no limit
    bool takesWindow;          // may end with "in TITLE"
    const char* usage;
    const char* description;  // what "help" says of it; a line feed starts another line of it
    void (HostScript::*run)(const Arguments&);
};

namespace {

constexpr std::size_t kAny = static_cast<std::size_t>(-1);

[[noreturn]] void Fail(const std::string& message) { throw HostScriptError(message); }

// A count or a time: digits only, not quoted, within `max`.
unsigned long Number(const HostScriptWord& word, const char* what, unsigned long max) {
    const bool digits = !word.quoted && !word.text.empty() && word.text.size() <= 10 &&
                        std::all_of(word.text.begin(), word.text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const unsigned long value = digits ? std::stoul(word.text) : 0;
    if (!digits || value > max) {
        Fail(std::string(what) + " must be a number up to " + std::to_string(max) + ", not \"" + word.text + "\"");
    }
    return value;
}

struct Modifier {
    const char* name;
    int32_t click;  // HostKeyModifier bits
    UINT key;       // WINSUB_ bits; 0: not a key modifier
};
constexpr Modifier kModifiers[] = {
    {"shift", kHostKeyShift, WINSUB_SHIFT},
    {"ctrl", kHostKeyControl, WINSUB_CONTROL},
    {"control", kHostKeyControl, WINSUB_CONTROL},
    {"alt", kHostKeyAlt, WINSUB_ALT},
    {"command", kHostKeyCommand, 0},
    {"cmd", kHostKeyCommand, 0},
};

const Modifier& ModifierOf(const HostScriptWord& word, bool forKey) {
    for (const Modifier& modifier : kModifiers) {
        if (!word.quoted && word.text == modifier.name && (!forKey || modifier.key != 0)) return modifier;
    }
    Fail("unknown modifier \"" + word.text + "\" (" + (forKey ? "shift, ctrl, alt" : "shift, ctrl, alt, command") +
         ")");
}

// A device pixel: an optional minus and digits, within 16 bits.
HostDevPoint Position(const HostScriptWord& x, const HostScriptWord& y) {
    const auto coordinate = [](const HostScriptWord& word) {
        const std::string& text = word.text;
        const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
        const bool digits = !word.quoted && text.size() > start && text.size() <= start + 5 &&
                            std::all_of(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(),
                                        [](char c) { return c >= '0' && c <= '9'; });
        const long value = digits ? std::stol(text) : 0;
        if (!digits || value < -32768 || value > 32767) {
            Fail("a position is a pixel from -32768 to 32767, not \"" + text + "\"");
        }
        return static_cast<int16_t>(value);
    };
    return {coordinate(x), coordinate(y)};
}

std::string Text(HostDevPoint point) { return std::to_string(point.h) + "," + std::to_string(point.v); }

// A Fixed value with its trailing zeros dropped.
std::string Decimal(Fixed value, int decimals) {
    std::string text = HostFixedToText(value, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text;
}

// A message may quote what the script said: control bytes in it are shown, not sent to the terminal.
std::string Printable(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
            shown += c;
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
        shown += escaped;
    }
    return shown;
}

std::string ModifierNames(const std::vector<HostScriptWord>& words, std::size_t first) {
    std::string names;
    for (std::size_t i = first; i < words.size(); ++i) names += (names.empty() ? " with " : "+") + words[i].text;
    return names;
}

int32_t ClickModifiers(const std::vector<HostScriptWord>& words, std::size_t first) {
    int32_t bits = 0;
    for (std::size_t i = first; i < words.size(); ++i) bits |= ModifierOf(words[i], false).click;
    return bits;
}

}  // namespace

const HostScript::Command HostScript::kCommands[] = {
    {"open", 1, 1, false, "open FILE", "open a PDF file and show it in front", &HostScript::OpenCommand},
    {"save", 0, 3, false, "save [--full] [--repaired] [FILE]",
     "save the front document (to FILE: save it as that file; a FILE\nwithout a folder goes beside the document) as "
     "its file with an update\nappended; --full: write the whole document anew; --repaired: write\nwhat was "
     "repaired in a damaged file, over the file too",
     &HostScript::SaveCommand},
    {"close", 0, 0, false, "close", "close the front document without saving", &HostScript::CloseCommand},
    {"boxes", 0, 0, false, "boxes", "print the page boxes of the front document, as a reader sees them",
     &HostScript::BoxesCommand},
    {"page", 1, 1, false, "page N", "show page N (1 is the first) in the front page view", &HostScript::PageCommand},
    {"zoom", 1, 1, false, "zoom PERCENT", "zoom the front page view (100: one pixel a point; 1 to 6400)",
     &HostScript::ZoomCommand},
    {"rotate", 1, 1, false, "rotate DEGREES",
     "turn the front page view by 0, 90, 180 or 270 degrees clockwise,\non top of the page's own rotation",
     &HostScript::RotateCommand},
    {"pageview", 0, 0, false, "pageview",
     "print the front page view: page, zoom, rotation, the visible area and\nthe page boxes in device pixels (x "
     "right, y down from the top left)",
     &HostScript::PageViewCommand},
    {"tool", 1, 1, false, "tool NAME", "make the tool of that type name active (default: the host's own)",
     &HostScript::ToolCommand},
    {"click", 2, kAny, false, "click X Y [MODS]", "click at pixel X, Y of the front page view with the active tool",
     &HostScript::ClickCommand},
    {"drag", 4, kAny, false, "drag X1 Y1 X2 Y2 [STEPS] [MODS]",
     "press at X1, Y1, move to X2, Y2 in STEPS moves (default 4)\nand release there; the tool sees one position a "
     "poll of the mouse",
     &HostScript::DragCommand},
    {"render", 1, 2, false, "render FILE.png [DPI]",
     "write a picture of the front page view as the user sees it: the\npage and what was drawn over it (DPI 72, "
     "the default: a pixel a\npixel of the view; 18 to 300)",
     &HostScript::RenderCommand},
    {"drawn", 0, 0, false, "drawn", "print what was drawn in the front page view since the last \"drawn\"",
     &HostScript::DrawnCommand},
    {"menus", 0, 0, false, "menus", "print the menu bar", &HostScript::MenusCommand},
    {"toolbars", 0, 0, false, "toolbars", "print the toolbars", &HostScript::ToolbarsCommand},
    {"menu", 1, kAny, false, "menu NAME [MODS]", "click the menu item of that name, with the modifier keys held",
     &HostScript::MenuCommand},
    {"button", 1, kAny, false, "button NAME [MODS]", "click the tool button of that name, with the modifier keys held",
     &HostScript::ButtonCommand},
    {"answer", 1, 1, false, "answer N", "answer the next alert with its button N (1 is the first)",
     &HostScript::AnswerCommand},
    {"windows", 0, 0, false, "windows", "print every window on the screen", &HostScript::WindowsCommand},
    {"window", 1, 1, true, "window TITLE | #ID [in TITLE]",
     "print the window of that title, or a control: #ID is its id, as\nthe window dump shows it",
     &HostScript::WindowCommand},
    {"type", 2, 2, true, "type #ID TEXT [in TITLE]", "replace the text of an edit field with TEXT",
     &HostScript::TypeCommand},
    {"choose", 2, 2, true, "choose #ID ENTRY [in TITLE]",
     "choose an entry of a combo box or list box by its text; a number\nN (not quoted) chooses the N-th entry",
     &HostScript::ChooseCommand},
    {"press", 1, 1, true, "press #ID [in TITLE]", "click a control", &HostScript::PressCommand},
    {"check", 1, 1, true, "check #ID [in TITLE]", "click a check box or radio button until it is checked",
     &HostScript::CheckCommand},
    {"uncheck", 1, 1, true, "uncheck #ID [in TITLE]", "click a check box until it is not checked",
     &HostScript::UncheckCommand},
    {"render-window", 2, 2, false, "render-window TITLE FILE.png",
     "write a picture of the top-level window of that title", &HostScript::RenderWindowCommand},
    {"key", 1, kAny, false, "key KEY [MODS]",
     "press a key: enter, escape, tab, space, backspace, delete, up, down,\nleft, right, home, end, pageup, "
     "pagedown, f1 to f12, a letter or\na digit",
     &HostScript::KeyCommand},
    {"close-window", 0, 1, false, "close-window [TITLE]",
     "close the active window (or the one of that title) with its close box", &HostScript::CloseWindowCommand},
    {"idle", 0, 1, false, "idle [MS]", "let MS milliseconds pass (default 0) and deliver what is waiting",
     &HostScript::IdleCommand},
    {"echo", 0, kAny, false, "echo TEXT...", "print the text", &HostScript::EchoCommand},
    {"help", 0, 0, false, "help", "print this list", &HostScript::HelpCommand},
    {"quit", 0, 0, false, "quit", "end the script", &HostScript::QuitCommand},
};

std::string HostScript::Help() {
    constexpr std::size_t kColumn = 29;
    std::string text =
        "Script commands, one a line. Words are separated by blanks; \"double quotes\" keep blanks\n"
        "and # in a word (\\\" is a quote and \\\\ a backslash inside them). A line starting with # is\n"
        "a comment, and so is the rest of a line after a # standing alone. MODS are any of shift, ctrl,\n"
        "alt (and command for clicks).\n";
    for (const Command& command : kCommands) {
        std::string usage = std::string("  ") + command.usage;
        usage += usage.size() < kColumn ? std::string(kColumn - usage.size(), ' ') : "  ";
        std::string description = command.description;
        for (std::size_t at = 0; (at = description.find('\n', at)) != std::string::npos; at += kColumn + 1) {
            description.insert(at + 1, kColumn, ' ');
        }
        text += usage + description + "\n";
    }
    return text +
           "Controls are looked for in the active window (a running modal dialog is active), or in the\n"
           "top-level window that \"in TITLE\" names.\n";
}

HostScript::HostScript(Host& host) : m_host(host), m_out(host.Out()), m_screen(host.Out()) {}

HostScript::~HostScript() {
    if (m_in != nullptr) WinSub_SetInputSource(nullptr, nullptr);
}

bool HostScript::Run(std::istream& in, bool interactive) {
    if (m_in != nullptr) {
        // A command cannot start a second script: both would read the user's actions.
        Report("a script is already running");
        return false;
    }
    m_in = &in;
    m_interactive = interactive;
    m_ended = false;
    m_line = 0;
    const int errorsBefore = m_errors;
    WinSub_SetInputSource(InputSource, this);
    while (Step(nullptr)) {
    }
    WinSub_SetInputSource(nullptr, nullptr);
    m_in = nullptr;
    return m_errors == errorsBefore;
}

BOOL HostScript::InputSource(HWND waitingFor, void* context) {
    return static_cast<HostScript*>(context)->Step(waitingFor) ? TRUE : FALSE;
}

bool HostScript::Step(HWND waitingFor) {
    while (!m_ended) {
        if (m_interactive) {
            // The prompt names the modal dialog that waits, since only it takes the user's actions now.
            if (waitingFor != nullptr) m_out << "[" << HostScriptScreen::TextOf(waitingFor) << "] ";
            m_out << "> " << std::flush;
        }
        std::string line;
        if (!std::getline(*m_in, line)) {
            m_ended = true;
            break;
        }
        // An editor may have put a UTF-8 byte order mark before the first command.
        if (++m_line == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        std::vector<HostScriptWord> words;
        std::string error;
        if (!HostScriptLine::Split(line, words, error)) {
            Report(error);
            return !m_ended;
        }
        if (words.empty()) continue;
        try {
            Execute(std::move(words));
        } catch (const HostScriptError& failure) {
            Report(failure.what());
        } catch (const std::exception& failure) {
            Report(std::string("the command failed: ") + failure.what());
        } catch (...) {
            // Nothing may travel on into the modal loop that called for this command.
            Report("the command failed");
        }
        return !m_ended;
    }
    return false;
}

void HostScript::Report(const std::string& message) {
    ++m_errors;
    m_out << "[script] line " << m_line << ": " << Printable(message) << "\n";
    if (!m_interactive) m_ended = true;
}

void HostScript::Execute(std::vector<HostScriptWord> words) {
    const Command* command = nullptr;
    for (const Command& candidate : kCommands) {
        if (words[0].text == candidate.name) command = &candidate;
    }
    if (command == nullptr) Fail("unknown command \"" + words[0].text + "\" (\"help\" lists the commands)");
    Arguments arguments;
    arguments.words.assign(words.begin() + 1, words.end());
    std::vector<HostScriptWord>& given = arguments.words;
    if (command->takesWindow && given.size() >= 2 && !given[given.size() - 2].quoted &&
        given[given.size() - 2].text == "in") {
        arguments.in = given.back().text;
        given.resize(given.size() - 2);
    }
    if (given.size() < command->minArguments || given.size() > command->maxArguments) {
        Fail(std::string("usage: ") + command->usage);
    }
    (this->*command->run)(arguments);
}

// ---- Documents ----

HostDoc HostScript::FrontDocument() {
    const HostDocView front = m_host.DocViews().Front();
    return front == HostDocView::None ? HostDoc::None : m_host.DocViews().DocOf(front);
}

HostDoc HostScript::DocumentOrFail() {
    const HostDoc doc = FrontDocument();
    if (doc == HostDoc::None) Fail("no document is open");
    return doc;
}

std::string HostScript::DocumentName(HostDoc doc) {
    HostDocument* document = m_host.Documents().Find(doc);
    return document != nullptr ? "\"" + std::filesystem::path(document->Path()).filename().string() + "\"" : "";
}

bool HostScript::Open(const std::string& path) {
    std::string why;
    const HostDoc doc = m_host.Documents().Open(path, &why);
    if (doc == HostDoc::None) {
        m_out << "[document] " << why << "\n";
        return false;
    }
    const HostDocument& document = *m_host.Documents().Find(doc);
    const int32_t pages = document.PageCount();
    m_out << "[document] opened " << DocumentName(doc) << " (" << pages << (pages == 1 ? " page)\n" : " pages)\n");
    ReportProblems(document);
    m_host.DocViews().Open(doc, "");  // shown in a view of its own, in front
    return true;
}

// What the user must know before editing: the file was damaged and what the host reads is a repair.
void HostScript::ReportProblems(const HostDocument& document) {
    const std::vector<std::string>& warnings = document.Warnings();
    if (warnings.empty()) return;
    const std::size_t count = warnings.size();
    m_out << "[document] " << DocumentName(document.Doc())
          << (document.Repaired() ? " is damaged and was repaired as it was read: " : " has problems: ") << count
          << (count == 1 ? " problem\n" : " problems\n");
    constexpr std::size_t kShown = 3;
    for (std::size_t i = 0; i < count && i < kShown; ++i) m_out << "[document]   " << warnings[i] << "\n";
    if (count > kShown) m_out << "[document]   and " << count - kShown << " more\n";
    if (document.Repaired()) {
        m_out << "[document] saving over the file needs \"save --repaired\"; \"save FILE\" writes a new file\n";
    }
}

void HostScript::OpenCommand(const Arguments& arguments) {
    if (!Open(arguments.words[0].text)) Fail("the document did not open");
}

void HostScript::SaveCommand(const Arguments& arguments) {
    const HostDoc doc = DocumentOrFail();
    std::vector<HostScriptWord> words = arguments.words;
    HostSaveOptions options;
    while (!words.empty() && !words[0].quoted && words[0].text.starts_with("--")) {
        if (words[0].text == "--repaired") {
            options.replaceRepaired = true;
        } else if (words[0].text == "--full") {
            options.full = true;
        } else {
            Fail("unknown save option \"" + words[0].text + "\" (--full, --repaired)");
        }
        words.erase(words.begin());
    }
    if (words.size() > 1) Fail("save takes one FILE, after its options");
    std::string why;
    bool saved;
    m_host.Progress().BeginTask("saving " + DocumentName(doc));
    if (words.empty()) {
        saved = m_host.Documents().Save(doc, &why, options);
    } else {
        // As a Save As dialog opens in the document's folder, a bare name lands beside the document.
        std::filesystem::path target = words[0].text;
        if (!target.has_parent_path())
            target = std::filesystem::path(m_host.Documents().Get(doc).Path()).parent_path() / target;
        saved = m_host.Documents().SaveAs(doc, target.string(), &why, options);
    }
    m_host.Progress().EndTask();
    if (!saved) Fail(why);
    const std::string& note = m_host.Documents().Get(doc).LastSaveNote();
    m_out << "[document] saved " << DocumentName(doc) << (note.empty() ? "" : " (" + note + ")") << "\n";
}

void HostScript::CloseCommand(const Arguments&) {
    const HostDoc doc = DocumentOrFail();
    const std::string name = DocumentName(doc);
    m_host.DocViews().CloseDocument(doc);  // its view goes with it
    m_out << "[document] closed " << name << "\n";
}

void HostScript::BoxesCommand(const Arguments&) {
    HostBoxReport::Print(m_host.Documents().Get(DocumentOrFail()), m_out);
}

// ---- The page view ----

HostPageViewState& HostScript::PageViewOrFail() {
    HostPageViewState* view = m_host.DocViews().FrontPageView();
    if (view == nullptr) Fail("no document is open");
    return *view;
}

void HostScript::PageCommand(const Arguments& arguments) {
    HostPageViewState& view = PageViewOrFail();
    const int32_t count = m_host.Documents().Get(view.Doc()).PageCount();
    const auto page = static_cast<int32_t>(Number(arguments.words[0], "a page", 1000000));
    if (page < 1 || page > count) {
        Fail("the document has " + std::to_string(count) + (count == 1 ? " page" : " pages") + ", not " +
             arguments.words[0].text);
    }
    m_out << "[page view] page " << page << " of " << count << "\n";
    m_host.PageViews().ShowPage(view, page - 1);
}

void HostScript::ZoomCommand(const Arguments& arguments) {
    HostPageViewState& view = PageViewOrFail();
    const auto percent = static_cast<int64_t>(Number(arguments.words[0], "a zoom", 6400));
    if (percent == 0) Fail("a zoom is 1 to 6400 percent");
    m_out << "[page view] zoom " << percent << "%\n";
    m_host.PageViews().SetZoom(view, static_cast<Fixed>((percent * kFixedOne + 50) / 100));
}

void HostScript::RotateCommand(const Arguments& arguments) {
    HostPageViewState& view = PageViewOrFail();
    const auto degrees = static_cast<int32_t>(Number(arguments.words[0], "a rotation", 270));
    if (degrees % 90 != 0) Fail("a rotation is 0, 90, 180 or 270 degrees");
    m_out << "[page view] rotation " << degrees << "\n";
    m_host.PageViews().SetViewRotation(view, degrees);
}

void HostScript::PageViewCommand(const Arguments&) {
    HostPageViewState& view = PageViewOrFail();
    const int32_t count = m_host.Documents().Get(view.Doc()).PageCount();
    m_out << "page view of \"" << m_host.DocViews().TitleOf(view.DocView()) << "\": page " << view.PageNumber() + 1
          << " of " << count << ", zoom " << Decimal(view.Zoom() * 100, 2) << "%, rotation " << view.Rotation()
          << " (page " << view.PageRotation() << ", view " << view.ViewRotation() << "), scroll " << Text(view.Scroll())
          << "\n";
    const auto line = [&](const char* name, const HostDevRect& rect) {
        m_out << "  " << name << std::string(10 - std::strlen(name), ' ') << " " << HostPageViewState::Text(rect)
              << "\n";
    };
    line("aperture", view.Aperture());
    for (const char* name : {"MediaBox", "CropBox", "BleedBox", "TrimBox", "ArtBox"}) {
        if (const std::optional<FixedRect> box = view.Box(name)) line(name, view.PageToDevice(*box));
    }
}

void HostScript::ToolCommand(const Arguments& arguments) {
    const std::string& name = arguments.words[0].text;
    HostToolRecord* chosen = name == "default" ? m_host.Tools().Default() : nullptr;
    std::string known = "default";
    for (HostToolRecord* tool : m_host.Tools().All()) {
        const std::string type = m_host.Tools().TypeOf(tool);
        if (type == name && chosen == nullptr) chosen = tool;
        known += ", " + type;
    }
    if (chosen == nullptr) Fail("no tool named \"" + name + "\" (" + known + ")");
    m_out << "[tool] " << name << "\n";
    m_host.Tools().SetActive(chosen, m_host.Tools().IsPersistent(chosen));
}

void HostScript::ClickCommand(const Arguments& arguments) {
    HostPageViewState& view = PageViewOrFail();
    const HostDevPoint at = Position(arguments.words[0], arguments.words[1]);
    const int32_t modifiers = ClickModifiers(arguments.words, 2);
    m_out << "[click] " << Text(at) << ModifierNames(arguments.words, 2) << "\n";
    if (!m_host.PageViews().Drag(view, {at}, modifiers)) m_out << "[click] the tool did not take it\n";
}

void HostScript::DragCommand(const Arguments& arguments) {
    HostPageViewState& view = PageViewOrFail();
    const std::vector<HostScriptWord>& words = arguments.words;
    const HostDevPoint from = Position(words[0], words[1]);
    const HostDevPoint to = Position(words[2], words[3]);
    std::size_t next = 4;
    int steps = 4;
    if (words.size() > 4 && !words[4].quoted && !words[4].text.empty() &&
        std::isdigit(static_cast<unsigned char>(words[4].text[0]))) {
        steps = static_cast<int>(Number(words[4], "the steps", 1000));
        next = 5;
    }
    const int32_t modifiers = ClickModifiers(words, next);
    m_out << "[drag] " << Text(from) << " to " << Text(to) << " in " << steps << (steps == 1 ? " step" : " steps")
          << ModifierNames(words, next) << "\n";
    if (!m_host.PageViews().Drag(view, HostPageViews::Path(from, to, steps), modifiers)) {
        m_out << "[drag] the tool did not take it\n";
    }
}

void HostScript::RenderCommand(const Arguments& arguments) {
    HostPageViewState& view = PageViewOrFail();
    const std::vector<HostScriptWord>& words = arguments.words;
    const auto dpi =
        words.size() > 1 ? static_cast<int>(Number(words[1], "a resolution", HostViewPicture::kMaxDpi)) : 72;
    if (dpi < HostViewPicture::kMinDpi) Fail("a resolution is 18 to 300 dpi, not " + words[1].text);
    HostViewPicture renderer(dpi);
    const HostPicture& picture = renderer.Draw(view, m_host.Documents().Get(view.Doc()));
    picture.SavePng(words[0].text);
    m_out << "[render] " << words[0].text << ": page " << view.PageNumber() + 1 << ", " << picture.Width() << "x"
          << picture.Height() << " pixels at " << dpi << " dpi\n";
}

void HostScript::RenderWindowCommand(const Arguments& arguments) {
    m_screen.RenderWindow(arguments.words[0].text, arguments.words[1].text);
}

void HostScript::DrawnCommand(const Arguments&) {
    const std::vector<std::string> drawn = PageViewOrFail().TakeDrawn();
    if (drawn.empty()) m_out << "[drawn] nothing\n";
    for (const std::string& line : drawn) m_out << "[drawn] " << line << "\n";
}

// ---- Menus, toolbars and alerts ----

void HostScript::MenusCommand(const Arguments&) { m_host.Menus().Print(m_out); }

void HostScript::ToolbarsCommand(const Arguments&) { m_host.Toolbars().Print(m_out); }

// The host says what became of a click: not found, disabled, executed (the item's title, then whatever it
// does) or failed (an "[error]" line).
void HostScript::MenuCommand(const Arguments& arguments) {
    const HostClickResult result = m_host.Menus().Click(arguments.words[0].text, ClickModifiers(arguments.words, 1));
    if (result == HostClickResult::NotFound) Fail("there is no such menu item (\"menus\" lists them)");
}

void HostScript::ButtonCommand(const Arguments& arguments) {
    const HostClickResult result = m_host.Toolbars().Click(arguments.words[0].text, ClickModifiers(arguments.words, 1));
    if (result == HostClickResult::NotFound) Fail("there is no such tool button (\"toolbars\" lists them)");
}

void HostScript::AnswerCommand(const Arguments& arguments) {
    const auto answer = static_cast<int32_t>(Number(arguments.words[0], "an answer", 3));
    if (answer == 0) Fail("alert buttons count from 1");
    m_host.Alerts().ScriptAnswer(answer);
}

// ---- Windows ----

void HostScript::WindowsCommand(const Arguments&) { m_screen.PrintWindows(); }

void HostScript::WindowCommand(const Arguments& arguments) {
    m_screen.PrintWindow(arguments.words[0].text, arguments.words[0].quoted, arguments.in);
}

void HostScript::TypeCommand(const Arguments& arguments) {
    m_screen.Type(arguments.words[0].text, arguments.words[1].text, arguments.in);
}

void HostScript::ChooseCommand(const Arguments& arguments) {
    m_screen.Choose(arguments.words[0].text, arguments.words[1].text, arguments.words[1].quoted, arguments.in);
}

void HostScript::PressCommand(const Arguments& arguments) { m_screen.Press(arguments.words[0].text, arguments.in); }

void HostScript::CheckCommand(const Arguments& arguments) {
    m_screen.SetCheck(arguments.words[0].text, true, arguments.in);
}

void HostScript::UncheckCommand(const Arguments& arguments) {
    m_screen.SetCheck(arguments.words[0].text, false, arguments.in);
}

void HostScript::KeyCommand(const Arguments& arguments) {
    UINT modifiers = 0;
    for (std::size_t i = 1; i < arguments.words.size(); ++i) modifiers |= ModifierOf(arguments.words[i], true).key;
    m_screen.PressKey(arguments.words[0].text, modifiers);
}

void HostScript::CloseWindowCommand(const Arguments& arguments) {
    m_screen.CloseWindow(arguments.words.empty() ? HostScriptScreen::WindowName() : arguments.words[0].text);
}

void HostScript::IdleCommand(const Arguments& arguments) {
    const unsigned long milliseconds = arguments.words.empty() ? 0 : Number(arguments.words[0], "a time", 86400000);
    m_screen.Idle(static_cast<DWORD>(milliseconds));
}

// ---- The script itself ----

void HostScript::EchoCommand(const Arguments& arguments) {
    std::string text;
    for (const HostScriptWord& word : arguments.words) text += (text.empty() ? "" : " ") + word.text;
    m_out << text << "\n";
}

void HostScript::HelpCommand(const Arguments&) { m_out << Help(); }

void HostScript::QuitCommand(const Arguments&) { m_ended = true; }
