// The host's exception frames: a raise returns into the innermost frame through that frame's restore
// function. Frames belong to whoever pushed them, host or plug-in.
#pragma once

#include <vector>

#include "HostTypes.h"

class HostFrameStack {
public:
    void Push(HostExceptionFrame* frame, HostRestoreProc restore);
    void Pop();
    HostErrorCode ErrorCode() const { return m_errorCode; }
    std::size_t Depth() const { return m_frames.size(); }
    // How many frames were pushed and popped so far, for tests.
    int Pushes() const { return m_pushes; }
    int Pops() const { return m_pops; }
    // Returns into the innermost frame; with none, the host cannot go on and aborts.
    [[noreturn]] void Raise(HostErrorCode code);

private:
    struct Entry {
        HostExceptionFrame* frame;
        HostRestoreProc restore;
    };
    std::vector<Entry> m_frames;
    HostErrorCode m_errorCode = 0;
    int m_pushes = 0;
    int m_pops = 0;
};
