#include "host/core/HostFrameStack.h"

#include <cstdio>
#include <cstdlib>

void HostFrameStack::Push(HostExceptionFrame* frame, HostRestoreProc restore) {
    frame->previous = m_frames.empty() ? nullptr : m_frames.back().frame;
    m_frames.push_back({frame, restore});
    ++m_pushes;
}

void HostFrameStack::Pop() {
    if (!m_frames.empty()) m_frames.pop_back();
    ++m_pops;
}

void HostFrameStack::Raise(HostErrorCode code) {
    m_errorCode = code;
    if (m_frames.empty()) {
        std::fprintf(stderr, "host: error 0x%08x raised with no frame to return to\n", static_cast<unsigned>(code));
        std::abort();
    }
    const Entry innermost = m_frames.back();
    innermost.restore(innermost.frame);
    std::abort();  // a restore function that returns has broken the frame
}
