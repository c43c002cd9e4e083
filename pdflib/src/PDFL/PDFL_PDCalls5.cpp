// The wrappers of the list are defined here, and a translator is told of this file.
#define PDFL_DEFINE_WRAPPERS
#include "PDFL/PDFL_PDCalls5.h"
