// Base of every message sent through a dispatcher.
#pragma once

#include <string>

class GLIB_Message {
public:
    virtual ~GLIB_Message() = default;
    // Writes the message class's name into `name`, so a receiver can tell messages apart.
    virtual void TypeName(std::string& name) const = 0;
};
