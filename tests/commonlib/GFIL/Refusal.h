// What a file system failure says: its code and message.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "GFIL/GFIL_Exception.h"

using Refusal = std::pair<int32_t, std::wstring>;

// The code and message of the GFIL_Exception that `action` throws.
template <class Action>
Refusal RefusalOf(Action action) {
    try {
        action();
    } catch (const GFIL_Exception& e) {
        return {e.GetCode(), e.GetMessage()};
    }
    ADD_FAILURE() << "nothing thrown";
    return {0, L""};
}
