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
#include "host/script/HostScriptLine.h"
#include "host/script/HostScriptScreen.h"

class Host;
class HostDocument;
class HostPageViewState;

class HostScript {
public:
    // The language, as geomhost's usage shows it: made from the table of commands.
    static std::string Help();

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
    void ReportProblems(const HostDocument& document);

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
    void RenderCommand(const Arguments& arguments);
    void RenderWindowCommand(const Arguments& arguments);
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
