// libpng reading from memory. libpng reports errors by longjmp, so everything that must survive one
// lives in the caller's objects, reached through pointers, and no C++ object is made after setjmp.
#include "app/platform_sdl/png_decode.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace sdlbackend {

namespace {

struct Reader {
    const unsigned char* data;
    std::size_t size;
    std::size_t pos;
    std::string* error;
};

void readbytes(png_structp png, png_bytep out, png_size_t count) {
    auto* r = static_cast<Reader*>(png_get_io_ptr(png));
    if (count > r->size - r->pos) png_error(png, "file ends too early");
    std::memcpy(out, r->data + r->pos, count);
    r->pos += count;
}

void onerror(png_structp png, png_const_charp message) {
    auto* r = static_cast<Reader*>(png_get_error_ptr(png));
    *r->error = message ? message : "unknown libpng error";
    png_longjmp(png, 1);
}

void onwarning(png_structp, png_const_charp) {}  // e.g. colour profile remarks: the pixels are fine

struct Work {
    Picture* out;
    std::vector<png_bytep> rows;
};

bool decode(Work* work, Reader* reader) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, reader, onerror, onwarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, reader, readbytes);
    png_read_info(png, info);
    png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    if (width == 0 || height == 0 || width > 16384 || height > 16384) png_error(png, "unreasonable size");
    int type = png_get_color_type(png, info);
    bool hasalpha = (type & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;

    png_set_expand(png);  // palette to RGB, grey to 8 bits, tRNS to alpha
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    if (!hasalpha) png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != width * 4) png_error(png, "unexpected pixel layout");

    Picture* out = work->out;
    out->width = static_cast<int>(width);
    out->height = static_cast<int>(height);
    out->rgba.assign(std::size_t{width} * height * 4, 0);
    work->rows.resize(height);
    for (png_uint_32 y = 0; y < height; y++) work->rows[y] = out->rgba.data() + std::size_t{y} * width * 4;
    png_read_image(png, work->rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);

    if (!hasalpha) {
        unsigned char* p = out->rgba.data();
        for (std::size_t i = 0, n = out->rgba.size(); i < n; i += 4)
            if (p[i] == 0 && p[i + 1] == 0 && p[i + 2] == 0) p[i + 3] = 0;
    }
    return true;
}

}  // namespace

bool decodepng(const unsigned char* data, std::size_t size, Picture& out, std::string& error) {
    error.clear();
    out = Picture{};
    if (!data || size < 8 || png_sig_cmp(data, 0, 8) != 0) {
        error = "not a PNG file";
        return false;
    }
    Reader reader{data, size, 0, &error};
    Work work{&out, {}};
    if (!decode(&work, &reader)) {
        if (error.empty()) error = "libpng could not start";
        out = Picture{};
        return false;
    }
    return true;
}

}  // namespace sdlbackend
