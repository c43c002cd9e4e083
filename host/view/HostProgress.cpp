#include "host/view/HostProgress.h"

#include <algorithm>
#include <string>

HostProgress::HostProgress(std::ostream& out)
    : m_out(out), m_monitor{sizeof(HostProgressMonitor), Begin, End, SetDuration, SetCurrentValue, this} {}

void HostProgress::Begin(void* self) {
    auto& progress = *static_cast<HostProgress*>(self);
    progress.m_running = true;
    progress.m_duration = 0;
    progress.m_current = 0;
    progress.m_shownTenths = -1;
    ++progress.m_begun;
    progress.m_out << "[progress] started\n";
}

void HostProgress::End(void* self) {
    auto& progress = *static_cast<HostProgress*>(self);
    if (!progress.m_running) return;
    progress.m_running = false;
    ++progress.m_ended;
    progress.m_out << "[progress] finished at " << progress.m_current << "/" << progress.m_duration << "\n";
}

void HostProgress::SetDuration(int32_t duration, void* self) {
    auto& progress = *static_cast<HostProgress*>(self);
    if (!progress.m_running) return;
    progress.m_duration = std::max<int32_t>(duration, 0);
    progress.PrintBar();
}

void HostProgress::SetCurrentValue(int32_t value, void* self) {
    auto& progress = *static_cast<HostProgress*>(self);
    if (!progress.m_running) return;
    progress.m_current = value;
    progress.PrintBar();
}

int HostProgress::Tenths() const {
    if (m_duration <= 0) return 0;
    const int64_t current = std::clamp<int64_t>(m_current, 0, m_duration);
    return static_cast<int>(current * 10 / m_duration);
}

void HostProgress::PrintBar() {
    const int tenths = Tenths();
    if (tenths == m_shownTenths) return;
    m_shownTenths = tenths;
    m_out << "[progress] [" << std::string(static_cast<std::size_t>(tenths), '#')
          << std::string(static_cast<std::size_t>(10 - tenths), '.') << "] " << m_current << "/" << m_duration << "\n";
}
