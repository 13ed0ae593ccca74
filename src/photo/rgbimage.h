#pragma once

// A photo as the reading rules see it: plain bytes, no toolkit type, so the
// rules stay free of the GUI library and test without a display.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace photo
{

// Rows top to bottom, pixels left to right, three bytes each (red, green,
// blue, sRGB), no padding.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    const std::uint8_t *pixel(int x, int y) const
    {
        return rgb.data() + (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3;
    }
    std::uint8_t *pixel(int x, int y)
    {
        return rgb.data() + (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3;
    }
};

// A blank image of the given size, every byte `fill`.
RgbImage makeImage(int width, int height, std::uint8_t fill = 0);

// A box-filtered copy `factor` times smaller in each direction (at least one
// pixel); factor 1 copies.
RgbImage shrunk(const RgbImage &image, int factor);

} // namespace photo
