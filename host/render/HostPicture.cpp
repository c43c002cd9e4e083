#include "host/render/HostPicture.h"

#include <png.h>

#include <algorithm>
#include <stdexcept>

static_assert(sizeof(HostPicture::Rgb) == 3, "PNG rows are written straight from the pixels");

HostPicture::HostPicture(int width, int height, Rgb fill)
    : m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_pixels(static_cast<std::size_t>(m_width) * m_height, fill) {}

void HostPicture::Set(int x, int y, Rgb color) {
    if (Contains(x, y)) m_pixels[Index(x, y)] = color;
}

void HostPicture::Clip(int& left, int& top, int& right, int& bottom) const {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, m_width);
    bottom = std::min(bottom, m_height);
}

void HostPicture::Fill(int left, int top, int right, int bottom, Rgb color) {
    Clip(left, top, right, bottom);
    for (int y = top; y < bottom; ++y) std::fill_n(&m_pixels[Index(left, y)], std::max(right - left, 0), color);
}

void HostPicture::Blend(int x, int y, Rgb color, int coverage) {
    if (!Contains(x, y) || coverage <= 0) return;
    Rgb& pixel = m_pixels[Index(x, y)];
    const auto mix = [&](uint8_t under, uint8_t over) {
        return static_cast<uint8_t>((under * (255 - coverage) + over * coverage + 127) / 255);
    };
    pixel = {mix(pixel.r, color.r), mix(pixel.g, color.g), mix(pixel.b, color.b)};
}

void HostPicture::Invert(int x, int y) {
    if (!Contains(x, y)) return;
    Rgb& pixel = m_pixels[Index(x, y)];
    pixel = {static_cast<uint8_t>(255 - pixel.r), static_cast<uint8_t>(255 - pixel.g),
             static_cast<uint8_t>(255 - pixel.b)};
}

void HostPicture::CopyArea(const HostPicture& from, int left, int top, int right, int bottom) {
    Clip(left, top, right, bottom);
    for (int y = top; y < bottom && y < from.m_height; ++y) {
        for (int x = left; x < right && x < from.m_width; ++x) m_pixels[Index(x, y)] = from.At(x, y);
    }
}

void HostPicture::Paste(const HostPicture& from, int x, int y) {
    for (int row = 0; row < from.m_height; ++row) {
        for (int column = 0; column < from.m_width; ++column) Set(x + column, y + row, from.At(column, row));
    }
}

void HostPicture::SavePng(const std::string& path) const {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(m_width);
    image.height = static_cast<png_uint_32>(m_height);
    image.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&image, path.c_str(), 0, m_pixels.data(), 0, nullptr)) {
        throw std::runtime_error("cannot write \"" + path + "\": " + image.message);
    }
}

HostPicture HostPicture::LoadPng(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        throw std::runtime_error("cannot read \"" + path + "\": " + image.message);
    }
    image.format = PNG_FORMAT_RGB;
    HostPicture picture(static_cast<int>(image.width), static_cast<int>(image.height), {0, 0, 0});
    if (!png_image_finish_read(&image, nullptr, picture.m_pixels.data(), 0, nullptr)) {
        throw std::runtime_error("cannot read \"" + path + "\": " + image.message);
    }
    return picture;
}
