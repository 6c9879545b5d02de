// pictures.cpp - saving a window's picture as a PNG file, written by stb_image_write.
#include "user/painting.h"
#include "host/ui.h"

#include <fstream>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace {

void WriteToStream(void* context, void* data, int size)
{
    static_cast<std::ofstream*>(context)->write(static_cast<const char*>(data), size);
}

} // namespace

namespace host {

bool SaveWindowPicture(HWND window, const std::filesystem::path& file)
{
    const Picture picture = WindowPicture(window);
    if (picture.width <= 0 || picture.height <= 0)
        return false;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const int written = stbi_write_png_to_func(WriteToStream, &out, static_cast<int>(picture.width),
                                               static_cast<int>(picture.height), 3, picture.rgb.data(),
                                               static_cast<int>(picture.width * 3));
    out.close();
    return written != 0 && out.good();
}

} // namespace host
