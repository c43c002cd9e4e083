// A module built as a plug-in is: it exports one function and keeps everything else hidden. It uses the C
// library, so that the library's functions are within reach of a lookup in this module.
#include <cstdlib>

extern "C" __attribute__((visibility("default"))) int TestPlugInAnswer() {
    return static_cast<int>(std::strtol("42", nullptr, 10));
}

extern "C" int TestPlugInHidden() { return 7; }
