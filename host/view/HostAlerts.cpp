#include "host/view/HostAlerts.h"

#include <utility>

HostAlerts::HostAlerts(std::ostream& out, std::vector<int32_t> answers)
    : m_out(out), m_answers(answers.begin(), answers.end()) {}

int32_t HostAlerts::Modal(int32_t kind, const char* text, const char* button1, const char* button2, const char* button3,
                          bool beep) {
    std::vector<std::string> buttons;
    for (const char* button : {button1, button2, button3}) {
        if (button != nullptr) buttons.emplace_back(button);
    }
    return Show({true, "", kind, text != nullptr ? text : "", std::move(buttons), beep, 0});
}

void HostAlerts::Note(const char* text) { Show({false, "", 0, text != nullptr ? text : "", {"OK"}, false, 0}); }

int32_t HostAlerts::MessageBox(const std::string& caption, const std::string& text, std::vector<std::string> buttons) {
    return Show({true, caption, 0, text, std::move(buttons), false, 0});
}

int32_t HostAlerts::Show(HostShownAlert alert) {
    if (alert.modal) {
        // The scripted answer, if it names a button; else the first button, as a user pressing Enter.
        alert.answer = 1;
        if (!m_answers.empty()) {
            const int32_t scripted = m_answers.front();
            m_answers.pop_front();
            if (scripted >= 1 && static_cast<std::size_t>(scripted) <= alert.buttons.size()) alert.answer = scripted;
        } else if (m_responder) {
            const int32_t chosen = m_responder(alert);
            if (chosen >= 1 && static_cast<std::size_t>(chosen) <= alert.buttons.size()) alert.answer = chosen;
        }
    } else if (m_responder) {
        m_responder(alert);
    }
    Print(alert);
    m_shown.push_back(alert);
    return alert.answer;
}

void HostAlerts::Print(const HostShownAlert& alert) {
    m_out << (!alert.caption.empty() ? "[message box] " + alert.caption + ": "
              : alert.modal          ? std::string("[alert] ")
                                     : std::string("[note] "));
    for (char c : alert.text) {
        m_out << (c == '\r' ? '\n' : c);  // the host shows a carriage return as a line break too
    }
    m_out << "\n       ";
    for (std::size_t i = 0; i < alert.buttons.size(); ++i) {
        const bool chosen = alert.modal && alert.answer == static_cast<int32_t>(i + 1);
        m_out << " [" << alert.buttons[i] << "]" << (chosen ? "*" : "");
    }
    m_out << (alert.beep ? " (beep)" : "") << "\n";
}
