#include "GLIB/GLIB_MessageFormatter.h"

#include "GLIB/GLIB_WOStringStream.h"

std::wstring GLIB_DefaultMessageFormatter(int32_t code, const std::vector<std::wstring>& params) {
    GLIB_WOStringStream text;
    text << L"( code = " << code;
    for (std::size_t index = 0; index < params.size(); ++index) {
        if (!params[index].empty()) {
            text << L"; param[" << index << L"] = '" << params[index] << L"'";
        }
    }
    text << L" )";
    return text.str();
}
