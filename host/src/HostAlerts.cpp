#include "host/HostAlerts.h"

#include <utility>

HostAlerts::HostAlerts(std::ostream& out, std::vector<int32_t> answers)
    : m_out(out), m_answers(answers.begin(), answers.end()) {}

int32_t HostAlerts::Modal(int32_t kind, const char* text, const char* button1, const char* button2,
                          const char* button3, bool beep) {
    HostShownAlert alert{true, kind, text != nullptr ? text : "", {}, beep, 1};
    for (const char* button : {button1, button2, button3}) {
        if (button != nullptr) alert.buttons.emplace_back(button);
    }
    if (!m_answers.empty()) {
        alert.answer = m_answers.front();
        m_answers.pop_front();
    }
    if (alert.answer < 1 || static_cast<std::size_t>(alert.answer) > alert.buttons.size()) alert.answer = 1;
    Print(alert);
    m_shown.push_back(alert);
    return alert.answer;
}

void HostAlerts::Note(const char* text) {
    HostShownAlert alert{false, 0, text != nullptr ? text : "", {"OK"}, false, 0};
    Print(alert);
    m_shown.push_back(std::move(alert));
}

void HostAlerts::Print(const HostShownAlert& alert) {
    m_out << (alert.modal ? "[alert] " : "[note] ");
    for (char c : alert.text) {
        m_out << (c == '\r' ? '\n' : c);  // the host shows a carriage return as a line break too
    }
    m_out << "\n       ";
    for (std::size_t i = 0; i < alert.buttons.size(); ++i) {
        m_out << " [" << alert.buttons[i] << "]" << (alert.modal && alert.answer == static_cast<int32_t>(i + 1) ? "*" : "");
    }
    m_out << (alert.beep ? " (beep)" : "") << "\n";
}
