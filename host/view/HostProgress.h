// The progress monitor the host lends a plug-in for a long operation (AcroView 15), and that the host itself
// uses for one of its own (a save). It shows as the configuration says:
// - lines: one on the host's output when an operation begins, one for each tenth of its duration reached and
//   one when it ends, so a transcript records it;
// - a bar: redrawn in place on its own stream (standard error), only when the whole percent changes, and
//   erased when the operation ends, so the next line of output starts clean;
// - nothing, for a user who asked for quiet.
// Reports out of order (a value before begin, an end without a begin) are ignored, as a bar on the screen
// would ignore them.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "HostTypes.h"
#include "host/core/HostConfig.h"

class HostProgress {
public:
    HostProgress(std::ostream& out, HostProgressStyle style, std::ostream& bar);
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

    // What the bar names in front of itself (a file of a batch); empty: nothing.
    void SetLabel(std::string label) { m_label = std::move(label); }
    // The host's own long operation, which it cannot measure (a save is one write): the bar shows what it
    // does until it ends, without pretending to know how far it has come. Lines show nothing of it, since
    // the host's output tells its result anyway.
    void BeginTask(const std::string& doing);
    void EndTask();
    // What the host's own task is doing; empty when none runs.
    const std::string& Task() const { return m_task; }
    const std::string& Label() const { return m_label; }
    // A front end that shows the progress itself is told of every change: an operation begun, a value
    // reported, an operation ended, a task begun or ended.
    void SetWatcher(std::function<void()> watcher) { m_watcher = std::move(watcher); }

private:
    static void Begin(void* self);
    static void End(void* self);
    static void SetDuration(int32_t duration, void* self);
    static void SetCurrentValue(int32_t value, void* self);
    void Show();
    void PrintLine();
    void DrawBar();
    void Draw(const std::string& text);
    void Erase();
    int Fraction(int shares) const;

    std::ostream& m_out;
    std::ostream& m_bar;
    HostProgressStyle m_style;
    HostProgressMonitor m_monitor;
    std::string m_label;
    std::string m_task;
    std::function<void()> m_watcher;
    bool m_running = false;
    int32_t m_duration = 0;
    int32_t m_current = 0;
    int m_shown = -1;         // the tenths (lines) or percent (bar) last shown
    std::size_t m_drawn = 0;  // characters of the bar on the screen
    int m_begun = 0;
    int m_ended = 0;
};
