// What geomhost --quiet lets through of the host's output: the complaints only (errors, a script's mistakes,
// alerts with all their lines, a plug-in that did not load or left things behind, a document that did not
// open, save or read cleanly), written whole lines at a time to another stream (standard error).
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

class HostQuietOutput : public std::streambuf {
public:
    explicit HostQuietOutput(std::ostream& to) : m_to(to) {}

    static bool IsAlert(const std::string& line) {
        return line.starts_with("[alert]") || line.starts_with("[note]") || line.starts_with("[message box]");
    }
    // The first line of a complaint; an alert's further lines follow it up to its buttons.
    static bool IsComplaint(const std::string& line) {
        if (line.starts_with("[document]")) {
            return !line.starts_with("[document] opened") && !line.starts_with("[document] saved") &&
                   !line.starts_with("[document] closed");
        }
        return line.starts_with("[error]") || line.starts_with("[script]") || line.starts_with("[host] plug-in") ||
               IsAlert(line);
    }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        m_line += traits_type::to_char_type(c);
        if (m_line.back() == '\n') Pass();
        return c;
    }
    // A line flushed before its end is a prompt that waits for the user's typing: it is shown, and what
    // follows starts a line of its own.
    int sync() override {
        m_to << m_line << std::flush;
        m_line.clear();
        return 0;
    }

private:
    void Pass() {
        // An alert's buttons stand on its last line, after seven blanks (HostAlerts).
        const bool alertEnds = m_inAlert && m_line.starts_with("       ");
        if (m_inAlert || IsComplaint(m_line)) m_to << m_line;
        m_inAlert = alertEnds ? false : m_inAlert || IsAlert(m_line);
        m_line.clear();
    }

    std::ostream& m_to;
    std::string m_line;
    bool m_inAlert = false;
};
