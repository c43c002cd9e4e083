// The host's command language: a user, or a test, drives the host with it as a user would (clicks menu items
// and tool buttons, answers alerts, types into fields, chooses list entries, presses buttons and keys, opens
// and saves documents), and sees on the host's output what the user would see. geomhost runs a script of
// these commands from a file or from standard input.
//
// A script is read one line at a time, and only when the next command is due, so that the user's actions
// keep coming from the script while a modal dialog runs: the script is the window manager's input source
// while it runs, and each time a modal loop waits for the user it executes the script's next command. At
// the end of the script (or at "quit", or at an error) the user does nothing more, and modal loops end as
// the window manager ends them.
//
// An unknown command or a bad argument is reported with its line number ("[script] line 3: ..."); a script
// stops there, an interactive session goes on with the next line.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "HostTypes.h"
#include "Win32.h"
#include "host/HostScriptLine.h"
#include "host/HostScriptScreen.h"

class Host;
class HostPageViewState;

class HostScript {
public:
    // The language, as geomhost's usage shows it.
    static constexpr const char kHelp[] =
        "Script commands, one a line. Words are separated by blanks; \"double quotes\" keep blanks\n"
        "and # in a word (\\\" is a quote and \\\\ a backslash inside them). A line starting with # is\n"
        "a comment, and so is the rest of a line after a # standing alone. MODS are any of shift, ctrl,\n"
        "alt (and command for clicks).\n"
        "  open FILE                  open a PDF file and show it in front\n"
        "  save [FILE]                save the front document (to FILE: save it as that file; a FILE\n"
        "                             without a folder goes beside the document)\n"
        "  close                      close the front document without saving\n"
        "  boxes                      print the page boxes of the front document, as a reader sees them\n"
        "  page N                     show page N (1 is the first) in the front page view\n"
        "  zoom PERCENT               zoom the front page view (100: one pixel a point; 1 to 6400)\n"
        "  rotate DEGREES             turn the front page view by 0, 90, 180 or 270 degrees clockwise,\n"
        "                             on top of the page's own rotation\n"
        "  pageview                   print the front page view: page, zoom, rotation, the visible area and\n"
        "                             the page boxes in device pixels (x right, y down from the top left)\n"
        "  tool NAME                  make the tool of that type name active (default: the host's own)\n"
        "  click X Y [MODS]           click at pixel X, Y of the front page view with the active tool\n"
        "  drag X1 Y1 X2 Y2 [STEPS] [MODS]  press at X1, Y1, move to X2, Y2 in STEPS moves (default 4)\n"
        "                             and release there; the tool sees one position a poll of the mouse\n"
        "  drawn                      print what was drawn in the front page view since the last \"drawn\"\n"
        "  menus                      print the menu bar\n"
        "  toolbars                   print the toolbars\n"
        "  menu NAME [MODS]           click the menu item of that name, with the modifier keys held\n"
        "  button NAME [MODS]         click the tool button of that name, with the modifier keys held\n"
        "  answer N                   answer the next alert with its button N (1 is the first)\n"
        "  windows                    print every window on the screen\n"
        "  window TITLE               print the window of that title\n"
        "  window #ID [in TITLE]      print a control: #ID is its id, as the window dump shows it\n"
        "  type #ID TEXT [in TITLE]   replace the text of an edit field with TEXT\n"
        "  choose #ID ENTRY [in TITLE]  choose an entry of a combo box or list box by its text; a number\n"
        "                             N (not quoted) chooses the N-th entry\n"
        "  press #ID [in TITLE]       click a control\n"
        "  check #ID [in TITLE]       click a check box or radio button until it is checked\n"
        "  uncheck #ID [in TITLE]     click a check box until it is not checked\n"
        "  key KEY [MODS]             press a key: enter, escape, tab, space, backspace, delete, up, down,\n"
        "                             left, right, home, end, pageup, pagedown, f1 to f12, a letter or\n"
        "                             a digit\n"
        "  close-window [TITLE]       close the active window (or the one of that title) with its close box\n"
        "  idle [MS]                  let MS milliseconds pass (default 0) and deliver what is waiting\n"
        "  echo TEXT...               print the text\n"
        "  help                       print this list\n"
        "  quit                       end the script\n"
        "Controls are looked for in the active window (a running modal dialog is active), or in the\n"
        "top-level window that \"in TITLE\" names.\n";

    explicit HostScript(Host& host);
    ~HostScript();
    HostScript(const HostScript&) = delete;
    HostScript& operator=(const HostScript&) = delete;

    // Runs the commands of `in` until its end, "quit" or (unless interactive) the first error. Interactive:
    // a prompt before each line, and an error does not stop. False when an error was reported.
    bool Run(std::istream& in, bool interactive = false);
    // Opens a PDF file as the front document, as "open" does; false, told on the host's output, when it
    // cannot be opened.
    bool Open(const std::string& path);
    // The document of the front view; None when no view is open.
    HostDoc FrontDocument();

private:
    struct Arguments {
        std::vector<HostScriptWord> words;
        HostScriptScreen::WindowName in;
    };
    struct Command;
    static const Command kCommands[];

    static BOOL InputSource(HWND waitingFor, void* context);
    // Reads and executes the next command; false when the script has ended.
    bool Step(HWND waitingFor);
    void Execute(std::vector<HostScriptWord> words);
    void Report(const std::string& message);
    HostDoc DocumentOrFail();
    HostPageViewState& PageViewOrFail();
    std::string DocumentName(HostDoc doc);

    void OpenCommand(const Arguments& arguments);
    void SaveCommand(const Arguments& arguments);
    void CloseCommand(const Arguments& arguments);
    void BoxesCommand(const Arguments& arguments);
    void PageCommand(const Arguments& arguments);
    void ZoomCommand(const Arguments& arguments);
    void RotateCommand(const Arguments& arguments);
    void PageViewCommand(const Arguments& arguments);
    void ToolCommand(const Arguments& arguments);
    void ClickCommand(const Arguments& arguments);
    void DragCommand(const Arguments& arguments);
    void DrawnCommand(const Arguments& arguments);
    void MenusCommand(const Arguments& arguments);
    void ToolbarsCommand(const Arguments& arguments);
    void MenuCommand(const Arguments& arguments);
    void ButtonCommand(const Arguments& arguments);
    void AnswerCommand(const Arguments& arguments);
    void WindowsCommand(const Arguments& arguments);
    void WindowCommand(const Arguments& arguments);
    void TypeCommand(const Arguments& arguments);
    void ChooseCommand(const Arguments& arguments);
    void PressCommand(const Arguments& arguments);
    void CheckCommand(const Arguments& arguments);
    void UncheckCommand(const Arguments& arguments);
    void KeyCommand(const Arguments& arguments);
    void CloseWindowCommand(const Arguments& arguments);
    void IdleCommand(const Arguments& arguments);
    void EchoCommand(const Arguments& arguments);
    void HelpCommand(const Arguments& arguments);
    void QuitCommand(const Arguments& arguments);

    Host& m_host;
    std::ostream& m_out;
    HostScriptScreen m_screen;
    std::istream* m_in = nullptr;  // while a script runs
    bool m_interactive = false;
    bool m_ended = false;
    int m_line = 0;
    int m_errors = 0;
};
