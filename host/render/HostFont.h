// The font the host shows window text in: DejaVu Sans (Debian fonts-dejavu-core) at a pixel size, drawn
// antialiased with FreeType. Text is UTF-8; a character the font lacks shows as the font's missing glyph.
#pragma once

#include <memory>
#include <string>

#include "host/render/HostPicture.h"

class HostFont {
public:
    static constexpr const char* kFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    static constexpr const char* kBoldFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

    // Fails with std::runtime_error when the font file cannot be read.
    explicit HostFont(int pixelSize, bool bold = false);
    ~HostFont();
    HostFont(const HostFont&) = delete;
    HostFont& operator=(const HostFont&) = delete;

    // Pixels from the top of a line to its baseline, and from one line to the next.
    int Ascent() const;
    int LineHeight() const;
    int Width(const std::string& text) const;
    // Draws `text` with the top of its line at `top`, from `left` on, clipped at `right`.
    void Draw(HostPicture& picture, int left, int top, int right, const std::string& text,
              HostPicture::Rgb color) const;

private:
    struct Face;
    std::unique_ptr<Face> m_face;
};
