// Reading dialog templates. Both forms are read: the classic DLGTEMPLATE, which resource compilers make of
// a DIALOG statement, and DLGTEMPLATEEX (DIALOGEX), known by its version 1 and signature 0xFFFF. Every
// read is checked against the template's size, so a damaged resource fails the dialog instead of reading
// beyond it.
#include "user/dialogs/DialogTemplates.h"

#include "kernel/WideText.h"

namespace win32sub {
namespace {

class Reader {
public:
    Reader(const BYTE* data, std::size_t size) : data_(data), size_(size) {}

    bool Ok() const { return ok_; }

    BYTE Byte() {
        if (!Need(1)) {
            return 0;
        }
        return data_[pos_++];
    }

    WORD Word() {
        if (!Need(2)) {
            return 0;
        }
        const WORD value = static_cast<WORD>(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return value;
    }

    DWORD Dword() {
        const DWORD low = Word();
        const DWORD high = Word();
        return low | (high << 16);
    }

    short Short() { return static_cast<short>(Word()); }

    void Align(std::size_t boundary) {
        pos_ = (pos_ + boundary - 1) / boundary * boundary;
        if (pos_ > size_) {
            ok_ = false;
            pos_ = size_;
        }
    }

    // A string of UTF-16 units up to its terminating 0.
    std::wstring String() {
        const std::size_t start = pos_;
        std::size_t units = 0;
        while (Word() != 0 && ok_) {
            ++units;
        }
        return ok_ ? FromUtf16(data_ + start, units) : std::wstring();
    }

    NameOrOrdinal NameOrOrd() {
        NameOrOrdinal result;
        const WORD first = Word();
        if (first == 0xFFFF) {
            result.isOrdinal = true;
            result.ordinal = Word();
        } else if (first != 0) {
            pos_ -= 2;
            result.name = String();
        }
        return result;
    }

    std::vector<BYTE> Bytes(std::size_t count) {
        if (!Need(count)) {
            return {};
        }
        std::vector<BYTE> bytes(data_ + pos_, data_ + pos_ + count);
        pos_ += count;
        return bytes;
    }

private:
    bool Need(std::size_t count) {
        if (!ok_ || count > size_ - pos_) {
            ok_ = false;
            return false;
        }
        return true;
    }

    const BYTE* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

// Creation data as a control receives it: the count word, then the bytes.
std::vector<BYTE> CreationData(WORD count, const std::vector<BYTE>& bytes) {
    if (count == 0) {
        return {};
    }
    std::vector<BYTE> data{static_cast<BYTE>(count & 0xFF), static_cast<BYTE>(count >> 8)};
    data.insert(data.end(), bytes.begin(), bytes.end());
    return data;
}

// The styles and help id: the extended form adds the help id and has the extended style first.
void ReadStyles(Reader& reader, bool extended, TemplateBox& box) {
    if (extended) {
        box.helpId = reader.Dword();
        box.exStyle = reader.Dword();
        box.style = reader.Dword();
    } else {
        box.style = reader.Dword();
        box.exStyle = reader.Dword();
    }
}

void ReadPlace(Reader& reader, TemplateBox& box) {
    box.x = reader.Short();
    box.y = reader.Short();
    box.cx = reader.Short();
    box.cy = reader.Short();
}

// The font, when the style asks for one; the extended form adds weight, italic and character set.
void ReadFont(Reader& reader, bool extended, DialogTemplate& result) {
    if ((result.style & (extended ? DS_SETFONT | DS_SHELLFONT : DS_SETFONT)) == 0) {
        return;
    }
    result.hasFont = true;
    result.pointSize = reader.Word();
    if (extended) {
        result.weight = reader.Word();
        result.italic = reader.Byte();
        result.charset = reader.Byte();
    }
    result.typeface = reader.String();
}

DialogItemTemplate ReadItem(Reader& reader, bool extended) {
    reader.Align(4);
    DialogItemTemplate item;
    ReadStyles(reader, extended, item);
    ReadPlace(reader, item);
    item.id = extended ? reader.Dword() : reader.Word();
    item.windowClass = reader.NameOrOrd();
    item.title = reader.NameOrOrd();
    // The extended form counts the bytes that follow the count; the classic form includes the count word.
    const WORD extra = reader.Word();
    const std::size_t following = extended ? extra : (extra >= 2 ? extra - 2u : 0u);
    item.creationData = CreationData(extra, reader.Bytes(following));
    return item;
}

bool Parse(Reader& reader, bool extended, DialogTemplate& result) {
    result.extended = extended;
    if (extended) {
        reader.Word();  // version
        reader.Word();  // signature
    }
    ReadStyles(reader, extended, result);
    const WORD count = reader.Word();
    ReadPlace(reader, result);
    result.menu = reader.NameOrOrd();
    result.windowClass = reader.NameOrOrd();
    result.title = reader.String();
    ReadFont(reader, extended, result);
    for (WORD i = 0; i < count && reader.Ok(); ++i) {
        result.items.push_back(ReadItem(reader, extended));
    }
    return reader.Ok();
}

}  // namespace

bool ParseDialogTemplate(const BYTE* data, std::size_t size, DialogTemplate& result) {
    result = DialogTemplate{};
    if (data == nullptr || size < 4) {
        return false;
    }
    Reader reader(data, size);
    const bool extended = data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF;
    return Parse(reader, extended, result);
}

std::wstring PredefinedClassName(WORD ordinal) {
    switch (ordinal) {
        case 0x0080:
            return L"Button";
        case 0x0081:
            return L"Edit";
        case 0x0082:
            return L"Static";
        case 0x0083:
            return L"ListBox";
        case 0x0084:
            return L"ScrollBar";
        case 0x0085:
            return L"ComboBox";
        default:
            return std::wstring();
    }
}

}  // namespace win32sub
