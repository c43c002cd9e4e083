// Dialog templates as resources hold them: DLGTEMPLATE or DLGTEMPLATEEX with their items, in UTF-16.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "Win32.h"

namespace win32sub {

// A string or an ordinal (0xFFFF followed by a number) of a template.
struct NameOrOrdinal {
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::wstring name;

    bool Empty() const { return !isOrdinal && name.empty(); }
};

// What a dialog and each of its items have alike: help id, styles, and place and size in dialog units.
struct TemplateBox {
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
};

struct DialogItemTemplate : TemplateBox {
    DWORD id = 0;  // a WORD in DLGTEMPLATE items, a DWORD in extended ones
    NameOrOrdinal windowClass;
    NameOrOrdinal title;
    // Creation data as the control receives it: its byte count as a WORD, then the bytes. Empty when none.
    std::vector<BYTE> creationData;
};

struct DialogTemplate : TemplateBox {
    bool extended = false;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::wstring title;
    bool hasFont = false;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring typeface;
    std::vector<DialogItemTemplate> items;
};

// Reads a template of `size` bytes (items start on 4-byte boundaries counted from `data`). False when it is
// malformed or runs past its end.
bool ParseDialogTemplate(const BYTE* data, std::size_t size, DialogTemplate& result);

// The class name that an ordinal of an item's class stands for (0x0080 "Button" to 0x0085 "ComboBox"); empty
// for an unknown ordinal.
std::wstring PredefinedClassName(WORD ordinal);

}  // namespace win32sub
