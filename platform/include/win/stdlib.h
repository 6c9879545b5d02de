#pragma once
// stdlib.h - what drivers use of the C runtime that Windows ships: splitting a path into its parts.

#include "win/winbase.h"

// Characters of each part's buffer, its terminator included.
#define _MAX_PATH  260
#define _MAX_DRIVE 3
#define _MAX_DIR   256
#define _MAX_FNAME 256
#define _MAX_EXT   256

// Splits path into the drive ("C:"), the folder up to and including its last "\" or "/", the file name, and
// the extension from the file name's last "." on. A part that is not there comes back empty; a null output
// is skipped; each part is cut to its _MAX_ size less the terminator.
PLATFORM_API void _wsplitpath(const WCHAR* path, WCHAR* drive, WCHAR* dir, WCHAR* fname, WCHAR* ext);
