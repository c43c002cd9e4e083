#include "host/view/HostProgress.h"

#include <algorithm>
#include <string>

namespace {
constexpr int kBarCells = 30;
}

HostProgress::HostProgress(std::ostream& out, HostProgressStyle style, std::ostream& bar)
    : m_out(out), m_bar(bar), m_style(style), m_monitor{sizeof(HostProgressMonitor),
                                                        Begin,
                                                        End,
                                                        SetDuration,
                                                        SetCurrentValue,
                                                        this} {}

void HostProgress::Begin(void* self) {
    auto& progress = *static_cast<HostProgress*>(self);
    progress.m_running = true;
    progress.m_duration = 0;
    progress.m_current = 0;
    progress.m_shown = -1;
    ++progress.m_begun;
    if (progress.m_style == HostProgressStyle::Lines) progress.m_out << "[progress] started\n";
    if (progress.m_watcher) progress.m_watcher();
}

void HostProgress::End(void* self) {
    auto& progress = *static_cast<HostProgress*>(self);
    if (!progress.m_running) return;
    progress.m_running = false;
    ++progress.m_ended;
    if (progress.m_style == HostProgressStyle::Lines) {
        progress.m_out << "[progress] finished at " << progress.m_current << "/" << progress.m_duration << "\n";
    }
    progress.Erase();
    if (progress.m_watcher) progress.m_watcher();
}

void HostProgress::SetDuration(int32_t duration, void* self) {
    auto& progress = *static_cast<HostProgress*>(self);
    if (!progress.m_running) return;
    progress.m_duration = std::max<int32_t>(duration, 0);
    progress.Show();
}

void HostProgress::SetCurrentValue(int32_t value, void* self) {
    auto& progress = *static_cast<HostProgress*>(self);
    if (!progress.m_running) return;
    progress.m_current = value;
    progress.Show();
}

void HostProgress::BeginTask(const std::string& doing) {
    m_task = doing;
    if (m_style == HostProgressStyle::Bar) Draw((m_label.empty() ? "" : m_label + ": ") + doing + " ...");
    if (m_watcher) m_watcher();
}

void HostProgress::EndTask() {
    m_task.clear();
    Erase();
    if (m_watcher) m_watcher();
}

// How many of `shares` (tenths, hundredths) the current value has reached.
int HostProgress::Fraction(int shares) const {
    if (m_duration <= 0) return 0;
    const int64_t current = std::clamp<int64_t>(m_current, 0, m_duration);
    return static_cast<int>(current * shares / m_duration);
}

void HostProgress::Show() {
    if (m_style == HostProgressStyle::Lines) PrintLine();
    if (m_style == HostProgressStyle::Bar) DrawBar();
    if (m_watcher) m_watcher();
}

void HostProgress::PrintLine() {
    const int tenths = Fraction(10);
    if (tenths == m_shown) return;
    m_shown = tenths;
    m_out << "[progress] [" << std::string(static_cast<std::size_t>(tenths), '#')
          << std::string(static_cast<std::size_t>(10 - tenths), '.') << "] " << m_current << "/" << m_duration << "\n";
}

// Drawn at each whole percent only: Apply on 10,000 pages reports every page.
void HostProgress::DrawBar() {
    const int percent = Fraction(100);
    if (percent == m_shown) return;
    m_shown = percent;
    const auto cells = static_cast<std::size_t>(Fraction(kBarCells));
    const std::string shownPercent = std::to_string(percent);
    Draw((m_label.empty() ? "" : m_label + " ") + "[" + std::string(cells, '#') + std::string(kBarCells - cells, ' ') +
         "] " + std::string(3 - shownPercent.size(), ' ') + shownPercent + "% " + std::to_string(m_current) + "/" +
         std::to_string(m_duration));
}

void HostProgress::Draw(const std::string& text) {
    // What the host printed before comes first, when both streams go to the same screen.
    m_out.flush();
    const std::size_t wipe = m_drawn > text.size() ? m_drawn - text.size() : 0;
    m_bar << "\r" << text << std::string(wipe, ' ') << std::flush;
    m_drawn = text.size() + wipe;
}

void HostProgress::Erase() {
    if (m_drawn == 0) return;
    m_bar << "\r" << std::string(m_drawn, ' ') << "\r" << std::flush;
    m_drawn = 0;
}
