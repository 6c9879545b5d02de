// image_list.cpp - image lists: pictures of one size kept side by side, each with the pixels that are
// transparent (from a mask bitmap, or a colour, ILC_MASK), drawn onto any device context. The pictures are
// copies: the caller's bitmaps stay the caller's.
#include "user/painting.h"
#include "common/handles.h"
#include "common/world_state.h"
#include "win/commctrl.h"

#include <vector>

namespace platform {
namespace {

struct Image {
    std::vector<COLORREF> pixels;   // row by row
    std::vector<bool> transparent;
};

struct ImageListRecord {
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    std::vector<Image> images;
};

HandleTable<ImageListRecord>& TheLists()
{
    static auto* lists = new HandleTable<ImageListRecord>(kImageListHandleBase);
    return *lists;
}

const bool kForgetsImageListsWithTheWorld = (OnWorldReset([] { TheLists().Clear(); }), true);

// The pixels of a bitmap, read through a memory DC; empty when it is not a bitmap.
std::vector<COLORREF> ReadBitmap(HBITMAP bitmap, int& width, int& height)
{
    BITMAP info = {};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) != sizeof info)
        return {};
    width = info.bmWidth;
    height = info.bmHeight;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    std::vector<COLORREF> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return pixels;
}

// Cuts the strip of pictures into the list's size, each with its transparent pixels (masked: white in the
// mask, or the mask colour); answers the index of the first, -1 when the bitmap cannot be read.
int AddStrip(ImageListRecord& list, HBITMAP image, HBITMAP mask, bool byColour, COLORREF colour)
{
    int width = 0;
    int height = 0;
    const std::vector<COLORREF> pixels = ReadBitmap(image, width, height);
    if (pixels.empty() || list.cx <= 0 || list.cy <= 0)
        return -1;
    int maskWidth = 0;
    int maskHeight = 0;
    const std::vector<COLORREF> maskPixels =
        (list.flags & ILC_MASK) != 0 && !byColour ? ReadBitmap(mask, maskWidth, maskHeight) : std::vector<COLORREF>();
    const int first = static_cast<int>(list.images.size());
    for (int left = 0; left + list.cx <= width; left += list.cx) {
        Image picture;
        picture.pixels.assign(static_cast<size_t>(list.cx) * static_cast<size_t>(list.cy), RGB(0, 0, 0));
        picture.transparent.assign(picture.pixels.size(), false);
        for (int y = 0; y < list.cy && y < height; ++y)
            for (int x = 0; x < list.cx; ++x) {
                const size_t from = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(left + x);
                const size_t to = static_cast<size_t>(y) * static_cast<size_t>(list.cx) + static_cast<size_t>(x);
                picture.pixels[to] = pixels[from];
                if ((list.flags & ILC_MASK) == 0)
                    continue;
                if (byColour)
                    picture.transparent[to] = (pixels[from] & 0xFFFFFF) == (colour & 0xFFFFFF);
                else if (y < maskHeight && left + x < maskWidth)
                    picture.transparent[to] =
                        (maskPixels[static_cast<size_t>(y) * static_cast<size_t>(maskWidth) + static_cast<size_t>(left + x)] &
                         0xFFFFFF) != 0;
            }
        list.images.push_back(std::move(picture));
    }
    return static_cast<int>(list.images.size()) > first ? first : -1;
}

} // namespace
} // namespace platform

using namespace platform;

HIMAGELIST WINAPI ImageList_Create(int cx, int cy, UINT flags, int, int)
{
    if (cx <= 0 || cy <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto list = std::make_shared<ImageListRecord>();
    list->cx = cx;
    list->cy = cy;
    list->flags = flags;
    return TheLists().Add<HIMAGELIST>(std::move(list));
}

BOOL WINAPI ImageList_Destroy(HIMAGELIST himl)
{
    return TheLists().Remove(himl) != nullptr ? TRUE : FALSE;
}

int WINAPI ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask)
{
    const auto list = TheLists().Find(himl);
    return list != nullptr ? AddStrip(*list, hbmImage, hbmMask, false, 0) : -1;
}

int WINAPI ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask)
{
    const auto list = TheLists().Find(himl);
    return list != nullptr ? AddStrip(*list, hbmImage, nullptr, true, crMask) : -1;
}

BOOL WINAPI ImageList_Remove(HIMAGELIST himl, int i)
{
    const auto list = TheLists().Find(himl);
    if (list == nullptr || i < -1 || i >= static_cast<int>(list->images.size()))
        return FALSE;
    if (i == -1)
        list->images.clear();
    else
        list->images.erase(list->images.begin() + i);
    return TRUE;
}

int WINAPI ImageList_GetImageCount(HIMAGELIST himl)
{
    const auto list = TheLists().Find(himl);
    return list != nullptr ? static_cast<int>(list->images.size()) : 0;
}

BOOL WINAPI ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy)
{
    const auto list = TheLists().Find(himl);
    if (list == nullptr || cx == nullptr || cy == nullptr)
        return FALSE;
    *cx = list->cx;
    *cy = list->cy;
    return TRUE;
}

BOOL WINAPI ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle)
{
    const auto list = TheLists().Find(himl);
    if (list == nullptr || i < 0 || i >= static_cast<int>(list->images.size()) || hdcDst == nullptr)
        return FALSE;
    const Image& picture = list->images[static_cast<size_t>(i)];
    // ILD_TRANSPARENT (or any masked list) leaves the transparent pixels as they are; ILD_MASK draws the mask.
    const bool masked = (list->flags & ILC_MASK) != 0;
    for (int row = 0; row < list->cy; ++row)
        for (int column = 0; column < list->cx; ++column) {
            const size_t at = static_cast<size_t>(row) * static_cast<size_t>(list->cx) + static_cast<size_t>(column);
            const bool clear = masked && picture.transparent[at];
            if ((fStyle & ILD_MASK) != 0)
                SetPixel(hdcDst, x + column, y + row, clear ? RGB(255, 255, 255) : RGB(0, 0, 0));
            else if (!clear)
                SetPixel(hdcDst, x + column, y + row, picture.pixels[at]);
        }
    return TRUE;
}
