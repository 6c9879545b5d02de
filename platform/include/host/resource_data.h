#pragma once
// resource_data.h - how a stand-in resource library holds its resources. Where Windows reads a module's
// resource section, the stand-in asks the loaded module for its directory through the exported function
// HostResourceDirectory; LoadStringW, LoadBitmapW, LoadIconW, LoadCursorW and the dialog templates of
// DialogBoxParamW, CreateDialogParamW and the property-sheet pages are served from it.

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

// One control of a dialog template. Rectangles are in dialog units (a quarter of the dialog font's average
// character width across, an eighth of its height down); the class is a system class ("Button", "Edit",
// "Static", "ComboBox", "ListBox", "ScrollBar", "msctls_updown32", "msctls_trackbar32", "SysTabControl32",
// "SysListView32") or one the module registers. WS_CHILD is implied.
struct DialogControl {
    UINT id;
    const char16_t* className;
    DWORD style;
    const char16_t* text;
    SHORT x;
    SHORT y;
    SHORT cx;
    SHORT cy;
    DWORD exStyle;
};

// A dialog template: caption, style, client size in dialog units, then its controls in tab order. A null
// font name stands for "MS Shell Dlg" at 8 points.
struct DialogResource {
    UINT id;
    const char16_t* caption;
    DWORD style;
    SHORT cx;
    SHORT cy;
    const DialogControl* controls;
    UINT controlCount;
    const char16_t* fontName;
    WORD pointSize;
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
    const DialogResource* dialogs;
    UINT dialogCount;
};

} // namespace host

// The symbol a resource library exports; the platform finds it with dlsym.
#define HOST_RESOURCE_DIRECTORY_SYMBOL "HostResourceDirectory"
typedef const host::ResourceDirectory* (*HostResourceDirectoryFn)(void);
