#include "PDFL/PDFL_HostCall.h"

namespace {

HostErrorTranslator s_translator = nullptr;

}  // namespace

HostErrorTranslator GetHostErrorTranslator() { return s_translator; }

HostErrorTranslator SetHostErrorTranslator(HostErrorTranslator translator) {
    HostErrorTranslator previous = s_translator;
    s_translator = translator;
    return previous;
}
