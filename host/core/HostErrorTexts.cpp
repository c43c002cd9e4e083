#include "host/core/HostErrorTexts.h"

#include <cstdio>

HostErrorCode HostErrorTexts::Register(int32_t, const std::string& text) {
    m_texts.push_back(text);
    return kFirstRegistered + static_cast<HostErrorCode>(m_texts.size()) - 1;
}

std::string HostErrorTexts::TextOf(HostErrorCode code) const {
    const HostErrorCode index = code - kFirstRegistered;
    if (index >= 0 && static_cast<std::size_t>(index) < m_texts.size()) return m_texts[index];
    if (code == kHostGeneralError) return "An internal error occurred.";
    char text[64];
    std::snprintf(text, sizeof text, "An error occurred (code 0x%08x).", static_cast<unsigned>(code));
    return text;
}
