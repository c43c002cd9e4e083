// The progress monitor the host lends a plug-in for a long operation (AcroView 15): the user sees a bar
// that fills in tenths as the operation reports its current value against its duration, and the host's
// output gets one line when it begins, one for each tenth reached and one when it ends. Reports out of
// order (a value before begin, an end without a begin) are ignored, as a bar on the screen would ignore them.
#pragma once

#include <cstdint>
#include <ostream>

#include "HostTypes.h"

class HostProgress {
public:
    explicit HostProgress(std::ostream& out);
    HostProgress(const HostProgress&) = delete;
    HostProgress& operator=(const HostProgress&) = delete;

    // The record handed to plug-ins; its client data is this object.
    const HostProgressMonitor* Monitor() const { return &m_monitor; }

    bool Running() const { return m_running; }
    int32_t Duration() const { return m_duration; }
    int32_t Current() const { return m_current; }
    // Operations begun and ended so far.
    int Begun() const { return m_begun; }
    int Ended() const { return m_ended; }

private:
    static void Begin(void* self);
    static void End(void* self);
    static void SetDuration(int32_t duration, void* self);
    static void SetCurrentValue(int32_t value, void* self);
    void PrintBar();
    int Tenths() const;

    std::ostream& m_out;
    HostProgressMonitor m_monitor;
    bool m_running = false;
    int32_t m_duration = 0;
    int32_t m_current = 0;
    int m_shownTenths = -1;
    int m_begun = 0;
    int m_ended = 0;
};
