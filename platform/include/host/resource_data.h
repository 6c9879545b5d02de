#pragma once
// resource_data.h - how a stand-in resource library holds its resources. Where Windows reads a module's
// resource section, the stand-in asks the loaded module for its directory through the exported function
// HostResourceDirectory; LoadStringW, LoadBitmapW, LoadIconW, LoadCursorW (and later the dialog templates)
// are served from it.

#include "win/windef.h"

namespace host {

struct StringResource {
    UINT id;
    const char16_t* text;
};

// A device-independent picture: rows top-down, each padded to 4 bytes; 1, 4 or 8 bits per pixel index
// the palette (0x00RRGGBB), 24 bits per pixel are B, G, R bytes.
struct BitmapResource {
    UINT id;
    LONG width;
    LONG height;
    WORD bitsPerPixel;
    const DWORD* palette;
    UINT paletteCount;
    const BYTE* bits;
};

// Icons and cursors are known by id and size only; what they look like does not matter here.
struct IconResource {
    UINT id;
    LONG width;
    LONG height;
};

struct ResourceDirectory {
    const StringResource* strings;
    UINT stringCount;
    const BitmapResource* bitmaps;
    UINT bitmapCount;
    const IconResource* icons;
    UINT iconCount;
    const IconResource* cursors;
    UINT cursorCount;
};

} // namespace host

// The symbol a resource library exports; the platform finds it with dlsym.
#define HOST_RESOURCE_DIRECTORY_SYMBOL "HostResourceDirectory"
typedef const host::ResourceDirectory* (*HostResourceDirectoryFn)(void);
