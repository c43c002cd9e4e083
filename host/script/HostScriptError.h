// A script command that cannot be carried out as written: unknown, badly formed, or naming something the
// user cannot find on the screen. HostScript reports it with the line it came from.
#pragma once

#include <stdexcept>
#include <string>

class HostScriptError : public std::runtime_error {
public:
    explicit HostScriptError(const std::string& message) : std::runtime_error(message) {}
};
