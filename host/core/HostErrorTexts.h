// Error texts that plug-ins register; the host shows the text when the code is raised to it.
#pragma once

#include <string>
#include <vector>

#include "HostTypes.h"

class HostErrorTexts {
public:
    HostErrorCode Register(int32_t severity, const std::string& text);
    // The registered text, or the host's own words for its general error and unknown codes.
    std::string TextOf(HostErrorCode code) const;

private:
    static constexpr HostErrorCode kFirstRegistered = 0x40100001;
    std::vector<std::string> m_texts;
};
