#include "host/render/HostFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>
#include <vector>

struct HostFont::Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~Face() {
        if (face != nullptr) FT_Done_Face(face);
        if (library != nullptr) FT_Done_FreeType(library);
    }
};

namespace {

// UTF-8 to code points; a malformed byte stands for itself, so that nothing the user typed is dropped.
std::vector<char32_t> CodePoints(const std::string& text) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int length = byte < 0x80 ? 1 : (byte >> 5) == 6 ? 2 : (byte >> 4) == 14 ? 3 : (byte >> 3) == 30 ? 4 : 0;
        char32_t point = length == 1 ? byte : byte & (0x3F >> length);
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            point = (point << 6) | (next & 0x3F);
        }
        points.push_back(valid ? point : byte);
        i += valid ? length : 1;
    }
    return points;
}

}  // namespace

HostFont::HostFont(int pixelSize, bool bold) : m_face(std::make_unique<Face>()) {
    const std::string file = bold ? kBoldFile : kFile;
    if (FT_Init_FreeType(&m_face->library) != 0 || FT_New_Face(m_face->library, file.c_str(), 0, &m_face->face) != 0 ||
        FT_Set_Pixel_Sizes(m_face->face, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
        throw std::runtime_error("cannot read the font \"" + file + "\" (Debian package fonts-dejavu-core)");
    }
}

HostFont::~HostFont() = default;

int HostFont::Ascent() const { return static_cast<int>(m_face->face->size->metrics.ascender >> 6); }

int HostFont::LineHeight() const { return static_cast<int>(m_face->face->size->metrics.height >> 6); }

int HostFont::Width(const std::string& text) const {
    long width = 0;
    for (char32_t point : CodePoints(text)) {
        if (FT_Load_Char(m_face->face, point, FT_LOAD_DEFAULT) == 0) width += m_face->face->glyph->advance.x;
    }
    return static_cast<int>(width >> 6);
}

void HostFont::Draw(HostPicture& picture, int left, int top, int right, const std::string& text,
                    HostPicture::Rgb color) const {
    const int baseline = top + Ascent();
    long pen = static_cast<long>(left) << 6;
    for (char32_t point : CodePoints(text)) {
        if (FT_Load_Char(m_face->face, point, FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot glyph = m_face->face->glyph;
        const FT_Bitmap& bitmap = glyph->bitmap;
        const int x0 = static_cast<int>(pen >> 6) + glyph->bitmap_left, y0 = baseline - glyph->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const int x = x0 + static_cast<int>(column);
                if (x >= right) break;
                picture.Blend(x, y0 + static_cast<int>(row), color,
                              bitmap.buffer[static_cast<int>(row) * bitmap.pitch + static_cast<int>(column)]);
            }
        }
        pen += glyph->advance.x;
    }
}
