#include "photo/rgbimage.h"

#include <algorithm>

namespace photo
{

RgbImage makeImage(int width, int height, std::uint8_t fill)
{
    RgbImage image;
    image.width = std::max(0, width);
    image.height = std::max(0, height);
    image.rgb.assign(std::size_t(image.width) * std::size_t(image.height) * 3, fill);
    return image;
}

RgbImage shrunk(const RgbImage &image, int factor)
{
    factor = std::max(1, factor);
    if (factor == 1)
        return image;
    RgbImage out = makeImage(std::max(1, image.width / factor), std::max(1, image.height / factor));
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            unsigned sum[3] = {0, 0, 0};
            unsigned count = 0;
            for (int dy = 0; dy < factor; ++dy) {
                const int sy = y * factor + dy;
                if (sy >= image.height)
                    break;
                for (int dx = 0; dx < factor; ++dx) {
                    const int sx = x * factor + dx;
                    if (sx >= image.width)
                        break;
                    const std::uint8_t *p = image.pixel(sx, sy);
                    sum[0] += p[0];
                    sum[1] += p[1];
                    sum[2] += p[2];
                    ++count;
                }
            }
            std::uint8_t *q = out.pixel(x, y);
            for (int c = 0; c < 3; ++c)
                q[c] = std::uint8_t((sum[c] + count / 2) / count);
        }
    return out;
}

} // namespace photo
