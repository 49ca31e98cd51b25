#include "png_writer.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

unsigned char byte(double v) { return static_cast<unsigned char>(std::clamp(std::lround(v), 0L, 255L)); }

// One pixel in the file's layout; see PngKind for the black-is-transparent rule.
void encode(const Rgba& p, PngKind kind, unsigned char* out)
{
    if (kind == PngKind::rgba) {
        out[0] = byte(p.r), out[1] = byte(p.g), out[2] = byte(p.b), out[3] = byte(p.a * 255);
        return;
    }
    const bool shown = p.a >= 0.5;
    if (kind == PngKind::grey) {
        const unsigned char v = byte(0.299 * p.r + 0.587 * p.g + 0.114 * p.b);
        out[0] = shown ? std::max<unsigned char>(v, 1) : 0;
        return;
    }
    out[0] = shown ? byte(p.r) : 0, out[1] = shown ? byte(p.g) : 0, out[2] = shown ? byte(p.b) : 0;
    if (shown && out[0] == 0 && out[1] == 0 && out[2] == 0)
        out[0] = out[1] = out[2] = 1;
}

// libpng reports errors by longjmp; kept apart so that no local of the caller lives across it.
bool writerows(png_structp png, png_infop info, FILE* file, const Canvas& canvas, int colourtype,
               png_bytep* rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_init_io(png, file);
    png_set_IHDR(png, info, canvas.width, canvas.height, 8, colourtype, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

bool writepng(const std::string& path, const Canvas& canvas, PngKind kind)
{
    const int channels = kind == PngKind::rgba ? 4 : kind == PngKind::rgb ? 3 : 1;
    const int colourtype = kind == PngKind::rgba  ? PNG_COLOR_TYPE_RGB_ALPHA
                           : kind == PngKind::rgb ? PNG_COLOR_TYPE_RGB
                                                  : PNG_COLOR_TYPE_GRAY;
    std::vector<unsigned char> data(static_cast<std::size_t>(canvas.width) * canvas.height * channels);
    for (std::size_t i = 0; i < canvas.pixels.size(); ++i)
        encode(canvas.pixels[i], kind, &data[i * channels]);
    std::vector<png_bytep> rows(canvas.height);
    for (int y = 0; y < canvas.height; ++y)
        rows[y] = &data[static_cast<std::size_t>(y) * canvas.width * channels];

    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::perror(path.c_str());
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool ok = png && info && writerows(png, info, file, canvas, colourtype, rows.data());
    png_destroy_write_struct(&png, &info);
    if (std::fclose(file) != 0)
        ok = false;
    if (!ok)
        std::fprintf(stderr, "%s: could not write the PNG\n", path.c_str());
    return ok;
}
