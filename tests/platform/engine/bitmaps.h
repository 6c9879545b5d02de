#pragma once
// bitmaps.h - small engine bitmaps for the engine's tests: created, locked and deleted by one object, with a
// pixel reader written from the layout rules (not from the engine's own accessor), so a layout fault shows.

#include "win/winddi.h"

#include <gtest/gtest.h>
#include <cstdint>
#include <vector>

class TestBitmap {
public:
    TestBitmap(LONG cx, LONG cy, ULONG format, FLONG fl = BMF_TOPDOWN)
    {
        m_hsurf = reinterpret_cast<HSURF>(EngCreateBitmap(SIZEL{cx, cy}, 0, format, fl, nullptr));
        m_so = EngLockSurface(m_hsurf);
    }
    ~TestBitmap()
    {
        EngUnlockSurface(m_so);
        EngDeleteSurface(m_hsurf);
    }
    TestBitmap(const TestBitmap&) = delete;
    TestBitmap& operator=(const TestBitmap&) = delete;

    HSURF handle() const { return m_hsurf; }
    SURFOBJ* so() const { return m_so; }
    LONG cx() const { return m_so->sizlBitmap.cx; }
    LONG cy() const { return m_so->sizlBitmap.cy; }

    static ULONG Bits(ULONG format)
    {
        const ULONG bits[] = {0, 1, 4, 8, 16, 24, 32};
        return format <= BMF_32BPP ? bits[format] : 0;
    }
    ULONG ValueMask() const
    {
        const ULONG bits = Bits(m_so->iBitmapFormat);
        return bits == 32 ? 0xFFFFFFFF : (1UL << bits) - 1;
    }

    ULONG Get(LONG x, LONG y) const
    {
        const ULONG bits = Bits(m_so->iBitmapFormat);
        const BYTE* line = static_cast<const BYTE*>(m_so->pvScan0) + static_cast<intptr_t>(y) * m_so->lDelta;
        const uint64_t bit = static_cast<uint64_t>(x) * bits;
        if (bits < 8)
            return (line[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        ULONG value = 0;
        for (ULONG i = 0; i < bits / 8; ++i)
            value |= static_cast<ULONG>(line[bit / 8 + i]) << (8 * i);
        return value;
    }

    void Set(LONG x, LONG y, ULONG value)
    {
        const ULONG bits = Bits(m_so->iBitmapFormat);
        BYTE* line = static_cast<BYTE*>(m_so->pvScan0) + static_cast<intptr_t>(y) * m_so->lDelta;
        const uint64_t bit = static_cast<uint64_t>(x) * bits;
        if (bits < 8) {
            const int shift = static_cast<int>(8 - bits - bit % 8);
            const BYTE mask = static_cast<BYTE>(((1u << bits) - 1) << shift);
            line[bit / 8] = static_cast<BYTE>((line[bit / 8] & ~mask) | ((value << shift) & mask));
            return;
        }
        for (ULONG i = 0; i < bits / 8; ++i)
            line[bit / 8 + i] = static_cast<BYTE>(value >> (8 * i));
    }

    // Fills every pixel with a value that differs from its neighbours', derived from seed.
    void Scramble(ULONG seed)
    {
        uint32_t state = seed * 2654435761u + 1;
        for (LONG y = 0; y < cy(); ++y)
            for (LONG x = 0; x < cx(); ++x) {
                state = state * 1103515245u + 12345u;
                Set(x, y, (state >> 7) & ValueMask());
            }
    }

    std::vector<ULONG> Pixels() const
    {
        std::vector<ULONG> out;
        for (LONG y = 0; y < cy(); ++y)
            for (LONG x = 0; x < cx(); ++x)
                out.push_back(Get(x, y));
        return out;
    }

private:
    HSURF m_hsurf = nullptr;
    SURFOBJ* m_so = nullptr;
};
