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

bool ParseClassic(Reader& reader, DialogTemplate& result) {
    result.style = reader.Dword();
    result.exStyle = reader.Dword();
    const WORD count = reader.Word();
    result.x = reader.Short();
    result.y = reader.Short();
    result.cx = reader.Short();
    result.cy = reader.Short();
    result.menu = reader.NameOrOrd();
    result.windowClass = reader.NameOrOrd();
    result.title = reader.String();
    if ((result.style & DS_SETFONT) != 0) {
        result.hasFont = true;
        result.pointSize = reader.Word();
        result.typeface = reader.String();
    }
    for (WORD i = 0; i < count && reader.Ok(); ++i) {
        reader.Align(4);
        DialogItemTemplate item;
        item.style = reader.Dword();
        item.exStyle = reader.Dword();
        item.x = reader.Short();
        item.y = reader.Short();
        item.cx = reader.Short();
        item.cy = reader.Short();
        item.id = reader.Word();
        item.windowClass = reader.NameOrOrd();
        item.title = reader.NameOrOrd();
        // In the classic form the count includes the count word itself.
        const WORD extra = reader.Word();
        item.creationData = CreationData(extra, reader.Bytes(extra >= 2 ? extra - 2u : 0u));
        result.items.push_back(std::move(item));
    }
    return reader.Ok();
}

bool ParseExtended(Reader& reader, DialogTemplate& result) {
    result.extended = true;
    reader.Word();  // version
    reader.Word();  // signature
    result.helpId = reader.Dword();
    result.exStyle = reader.Dword();
    result.style = reader.Dword();
    const WORD count = reader.Word();
    result.x = reader.Short();
    result.y = reader.Short();
    result.cx = reader.Short();
    result.cy = reader.Short();
    result.menu = reader.NameOrOrd();
    result.windowClass = reader.NameOrOrd();
    result.title = reader.String();
    if ((result.style & (DS_SETFONT | DS_SHELLFONT)) != 0) {
        result.hasFont = true;
        result.pointSize = reader.Word();
        result.weight = reader.Word();
        result.italic = reader.Byte();
        result.charset = reader.Byte();
        result.typeface = reader.String();
    }
    for (WORD i = 0; i < count && reader.Ok(); ++i) {
        reader.Align(4);
        DialogItemTemplate item;
        item.helpId = reader.Dword();
        item.exStyle = reader.Dword();
        item.style = reader.Dword();
        item.x = reader.Short();
        item.y = reader.Short();
        item.cx = reader.Short();
        item.cy = reader.Short();
        item.id = reader.Dword();
        item.windowClass = reader.NameOrOrd();
        item.title = reader.NameOrOrd();
        // In the extended form the count is of the bytes that follow it.
        const WORD extra = reader.Word();
        item.creationData = CreationData(extra, reader.Bytes(extra));
        result.items.push_back(std::move(item));
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
    return extended ? ParseExtended(reader, result) : ParseClassic(reader, result);
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
