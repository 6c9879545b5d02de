#pragma once
// canvas.h - a memory DC drawing into a bitmap of its own, white to begin with, and its pixels read back
// through GetDIBits as text: one character per pixel, '.' for white, '#' for black, other colours by a legend.

#include "win/windows.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

class Canvas {
public:
    // A canvas of a device-dependent bitmap of that depth (1 or 24 bits per pixel).
    Canvas(LONG width, LONG height, UINT bitsPerPixel = 24) : m_width(width), m_height(height)
    {
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateBitmap(width, height, 1, bitsPerPixel, nullptr);
        m_old = SelectObject(m_dc, m_bitmap);
        PatBlt(m_dc, 0, 0, width, height, WHITENESS);
    }
    ~Canvas()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc; }
    HBITMAP bitmap() const { return m_bitmap; }

    std::vector<std::string> Picture(const std::vector<std::pair<COLORREF, char>>& legend = {}) const
    {
        return Picture(m_bitmap, m_width, m_height, legend);
    }

    // Any bitmap's picture, read as a top-down 24-bit DIB.
    static std::vector<std::string> Picture(HBITMAP bitmap, LONG width, LONG height,
                                            const std::vector<std::pair<COLORREF, char>>& legend = {})
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        const LONG stride = (width * 3 + 3) / 4 * 4;
        std::vector<BYTE> bits(static_cast<size_t>(stride) * height);
        EXPECT_EQ(GetDIBits(nullptr, bitmap, 0, height, bits.data(), &info, DIB_RGB_COLORS), height);
        std::vector<std::string> rows;
        for (LONG y = 0; y < height; ++y) {
            std::string row;
            for (LONG x = 0; x < width; ++x) {
                const BYTE* p = &bits[static_cast<size_t>(y) * stride + x * 3];
                row += Symbol(RGB(p[2], p[1], p[0]), legend);
            }
            rows.push_back(row);
        }
        return rows;
    }

private:
    static char Symbol(COLORREF color, const std::vector<std::pair<COLORREF, char>>& legend)
    {
        for (const auto& [known, symbol] : legend)
            if (known == color)
                return symbol;
        return color == RGB(255, 255, 255) ? '.' : color == RGB(0, 0, 0) ? '#' : '?';
    }

    LONG m_width;
    LONG m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};
