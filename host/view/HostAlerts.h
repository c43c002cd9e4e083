// The host's alerts as the user sees them: each is printed when shown and kept for tests, and modal ones
// are answered from a script (the first button when the script has run out) or by the user of a front end.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

struct HostShownAlert {
    bool modal;
    std::string caption;  // a message box's caption; empty for the host's own alerts
    int32_t kind;
    std::string text;
    std::vector<std::string> buttons;
    bool beep;
    int32_t answer;  // 1-based button number; 0 for a note
};

class HostAlerts {
public:
    HostAlerts(std::ostream& out, std::vector<int32_t> answers);

    int32_t Modal(int32_t kind, const char* text, const char* button1, const char* button2, const char* button3,
                  bool beep);
    void Note(const char* text);
    // A platform message box (a plug-in's last resort before it can use the host's alerts).
    int32_t MessageBox(const std::string& caption, const std::string& text, std::vector<std::string> buttons);
    void ScriptAnswer(int32_t answer) { m_answers.push_back(answer); }
    // A front end that shows alerts on the screen: it shows each one and answers the modal ones with the
    // button the user chose (1 is the first). Scripted answers still come first.
    using Responder = std::function<int32_t(const HostShownAlert&)>;
    void SetResponder(Responder responder) { m_responder = std::move(responder); }

    const std::vector<HostShownAlert>& Shown() const { return m_shown; }
    void Clear() { m_shown.clear(); }

private:
    int32_t Show(HostShownAlert alert);
    void Print(const HostShownAlert& alert);

    std::ostream& m_out;
    std::deque<int32_t> m_answers;
    std::vector<HostShownAlert> m_shown;
    Responder m_responder;
};
