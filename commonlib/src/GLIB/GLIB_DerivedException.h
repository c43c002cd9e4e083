// A library's own exception type: the tag makes its failures a type of their own, while every catch site
// still catches them as GLIB_Exception.
#pragma once

#include "GLIB/GLIB_Exception.h"

template <class Tag>
class GLIB_DerivedException : public GLIB_Exception {
public:
    using GLIB_Exception::GLIB_Exception;
    GLIB_DerivedException() = default;
    ~GLIB_DerivedException() override = default;
};
