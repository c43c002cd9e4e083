// A picture in memory: rows of 8-bit RGB pixels, top row first, that the host draws pages, overlays and
// windows into and writes as a PNG file. Drawing outside the picture is clipped; areas are given as left,
// top, right, bottom with the right and bottom edges outside the area.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class HostPicture {
public:
    struct Rgb {
        uint8_t r, g, b;
        bool operator==(const Rgb&) const = default;
    };

    HostPicture(int width, int height, Rgb fill);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    Rgb At(int x, int y) const { return m_pixels[Index(x, y)]; }

    void Set(int x, int y, Rgb color);
    void Fill(int left, int top, int right, int bottom, Rgb color);
    // Mixes `color` into the pixel by `coverage` out of 255, as antialiased text and lines do.
    void Blend(int x, int y, Rgb color, int coverage);
    void Invert(int x, int y);
    // Copies the area from `from`, a picture of the same size, to the same place in this one.
    void CopyArea(const HostPicture& from, int left, int top, int right, int bottom);
    // Puts all of `from` with its top-left corner at x, y.
    void Paste(const HostPicture& from, int x, int y);

    // Throw std::runtime_error with what went wrong.
    void SavePng(const std::string& path) const;
    static HostPicture LoadPng(const std::string& path);

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * m_width + x; }
    void Clip(int& left, int& top, int& right, int& bottom) const;

    int m_width;
    int m_height;
    std::vector<Rgb> m_pixels;
};
