#pragma once
// custom_size_limits.h - the range of a user-defined size that each paper source can feed.

#include "win/windows.h"

struct CUSTOM_SIZE_LIMITS {   // 48 bytes
    SHORT sourceId;           // 0x00  paper source; 0 ends the table
    SHORT subId;              // 0x02  source unit; 0 matches any
    LONG  nameStringId;       // 0x04  resource string naming the source
    LONG  minWidth;           // 0x08  millimetres
    LONG  maxWidth;           // 0x0C
    LONG  minLength;          // 0x10
    LONG  maxLength;          // 0x14
    LONG  printableWidth;     // 0x18  the largest printable width and length, millimetres
    LONG  printableLength;    // 0x1C
    LONG  marginLeft;         // 0x20  the least margins, 1/100 mm
    LONG  marginTop;          // 0x24
    LONG  marginRight;        // 0x28
    LONG  marginBottom;       // 0x2C
};
static_assert(sizeof(CUSTOM_SIZE_LIMITS) == 48);
static_assert(offsetof(CUSTOM_SIZE_LIMITS, nameStringId) == 0x04);
static_assert(offsetof(CUSTOM_SIZE_LIMITS, minWidth) == 0x08);
static_assert(offsetof(CUSTOM_SIZE_LIMITS, maxLength) == 0x14);
static_assert(offsetof(CUSTOM_SIZE_LIMITS, printableWidth) == 0x18);
static_assert(offsetof(CUSTOM_SIZE_LIMITS, marginLeft) == 0x20);
static_assert(offsetof(CUSTOM_SIZE_LIMITS, marginBottom) == 0x2C);

// The first row whose source is sourceId and whose sub-id is 0 or subId; the first row of the table when
// none matches. Never null.
const CUSTOM_SIZE_LIMITS* FindCustomSizeLimits(SHORT sourceId, SHORT subId);

// Copies that row into out (null ignored).
void GetCustomSizeLimits(CUSTOM_SIZE_LIMITS* out, SHORT sourceId, SHORT subId);

// Copies that row's four least margins (left, top, right, bottom) into out (null ignored).
void GetCustomSizeLimitExtra(LONG (*out)[4], SHORT sourceId, SHORT subId);
