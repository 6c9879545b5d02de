// split_path.cpp - _wsplitpath, the C runtime's split of a path into drive, folder, name and extension.
#include "win/stdlib.h"

#include <algorithm>
#include <cstddef>

namespace {

// Copies count characters from text into out (when given), cut to capacity - 1, and terminates.
void CopyPart(WCHAR* out, std::size_t capacity, const WCHAR* text, std::size_t count)
{
    if (out == nullptr)
        return;
    const std::size_t cch = std::min(count, capacity - 1);
    std::copy(text, text + cch, out);
    out[cch] = u'\0';
}

} // namespace

void _wsplitpath(const WCHAR* path, WCHAR* drive, WCHAR* dir, WCHAR* fname, WCHAR* ext)
{
    const WCHAR empty[] = u"";
    const WCHAR* rest = path != nullptr ? path : empty;
    std::size_t cchDrive = 0;
    if (rest[0] != u'\0' && rest[1] == u':')
        cchDrive = 2;
    CopyPart(drive, _MAX_DRIVE, rest, cchDrive);
    rest += cchDrive;

    // The folder runs to the last separator; the extension starts at the last dot behind it.
    const WCHAR* nameStart = rest;
    const WCHAR* lastDot = nullptr;
    const WCHAR* end = rest;
    for (; *end != u'\0'; ++end) {
        if (*end == u'\\' || *end == u'/') {
            nameStart = end + 1;
            lastDot = nullptr;
        } else if (*end == u'.') {
            lastDot = end;
        }
    }
    const WCHAR* extStart = lastDot != nullptr ? lastDot : end;
    CopyPart(dir, _MAX_DIR, rest, static_cast<std::size_t>(nameStart - rest));
    CopyPart(fname, _MAX_FNAME, nameStart, static_cast<std::size_t>(extStart - nameStart));
    CopyPart(ext, _MAX_EXT, extStart, static_cast<std::size_t>(end - extStart));
}
