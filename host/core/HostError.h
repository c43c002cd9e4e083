// A failure inside the host's own code. Host entries throw it internally; at the boundary with the plug-in
// it becomes the host's raise, after every C++ object of the entry has been destroyed.
#pragma once

#include <stdexcept>
#include <string>

#include "HostTypes.h"

class HostError : public std::runtime_error {
public:
    HostError(HostErrorCode code, const std::string& what) : std::runtime_error(what), m_code(code) {}
    HostErrorCode Code() const { return m_code; }

private:
    HostErrorCode m_code;
};
