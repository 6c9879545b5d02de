// job_info.cpp - the user and program names of a job, and the user-defined paper sizes before each page.
#include "ui/docevent/job_info.h"
#include "settings/paper/custom_paper_geometry.h"
#include "settings/paper/custom_size_entry.h"
#include "settings/base/global_memory.h"
#include "settings/base/private_escape_codes.h"
#include "ui/docevent/document_event.h"
#include "ui/docevent/private_escape.h"
#include "win/stdlib.h"
#include "win/winddiui.h"

#include <cstring>

namespace {

constexpr DWORD kUserNameChars = 256;          // GetUserNameW's buffer; the escape takes the first 255
constexpr DWORD kAppNameChars = kEscAppNameIn / sizeof(WCHAR);
constexpr int kAppNameCopyChars = 31;          // lstrcpynW's count: 30 characters and the terminator
constexpr DWORD kPathPartChars = 260;          // each part of the split program path
constexpr DWORD kPathPartBytes = kPathPartChars * sizeof(WCHAR);

static_assert(kEscUserNameIn <= kUserNameChars * sizeof(WCHAR));
static_assert(kPathPartChars >= _MAX_DIR && kPathPartChars >= _MAX_FNAME && kPathPartChars >= _MAX_EXT,
              "every part of the split path fits its buffer");

// A failed GetUserNameW (no user, or a name of 256 characters or more) leaves the buffer zeroed, which the
// graphics module takes as no user name.
BOOL SendUserName(HDC hdc)
{
    WCHAR name[kUserNameChars] = {};
    DWORD cchName = kUserNameChars;
    GetUserNameW(name, &cchName);
    return SendPrivateEscape(hdc, ESC_SET_USER_NAME, kEscUserNameIn, name, 0, nullptr);
}

// The file name and extension of the printing program, cut to 30 characters: the graphics module keeps it
// for the job and adapts to programs it knows by it.
BOOL SendAppName(HDC hdc)
{
    LockedBlock path(kPathPartBytes);
    LockedBlock drive(kPathPartBytes);
    LockedBlock dir(kPathPartBytes);
    LockedBlock fname(kPathPartBytes);
    LockedBlock ext(kPathPartBytes);
    if (!path || !drive || !dir || !fname || !ext)
        return FALSE;
    auto* pszPath = path.as<WCHAR>();
    GetModuleFileNameW(nullptr, pszPath, kPathPartChars);
    pszPath[kPathPartChars - 1] = u'\0';   // a cut path may come back without its terminator
    _wsplitpath(pszPath, drive.as<WCHAR>(), dir.as<WCHAR>(), fname.as<WCHAR>(), ext.as<WCHAR>());

    // Name and extension are disjoint parts of a path of at most 259 characters, so they fit together; the
    // bound keeps it so whatever the split did.
    auto* pszName = fname.as<WCHAR>();
    const WCHAR* pszExt = ext.as<WCHAR>();
    DWORD cch = static_cast<DWORD>(lstrlenW(pszName));
    for (DWORD i = 0; pszExt[i] != u'\0' && cch + 1 < kPathPartChars; ++i)
        pszName[cch++] = pszExt[i];
    pszName[cch] = u'\0';

    WCHAR field[kAppNameChars] = {};
    lstrcpynW(field, pszName, kAppNameCopyChars);
    return SendPrivateEscape(hdc, ESC_SET_APP_NAME, sizeof field, field, 0, nullptr);
}

// Ten {width, length} pairs in 0.1 mm, for the user-defined papers 1 to 10 in that order. The sizes are
// 16-bit values, widened with their sign, as the graphics module's page setup reads them.
BOOL SendUserPaperSizes(HANDLE hPrinter, HDC hdc)
{
    LONG sizes[kCustomSizeCount * 2] = {};
    for (UINT number = 1; number <= kCustomSizeCount; ++number) {
        LONG width = 0;
        LONG length = 0;
        GetCustomSizeTenthsMm(CustomPaperIndexToId(number), &width, &length, hPrinter);
        sizes[(number - 1) * 2] = static_cast<SHORT>(width);
        sizes[(number - 1) * 2 + 1] = static_cast<SHORT>(length);
    }
    static_assert(sizeof sizes == kEscUserPaperSizesIn, "the graphics module takes exactly ten pairs");
    return SendPrivateEscape(hdc, ESC_SET_USER_PAPER_SIZES, sizeof sizes, sizes, 0, nullptr);
}

} // namespace

INT DocEventJobInfo(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG /*cbIn*/, PVOID /*pvIn*/, ULONG /*cbOut*/,
                    PVOID /*pvOut*/)
{
    switch (DocumentEventCode(iEsc)) {
    case DOCUMENTEVENT_STARTDOC: {
        const BYTE notCancelled = 0;
        if (!SendUserName(hdc) ||
            !SendPrivateEscape(hdc, ESC_SET_CANCEL_JOB, sizeof notCancelled, &notCancelled, 0, nullptr) ||
            !SendAppName(hdc))
            return DOCUMENTEVENT_FAILURE;
        return DOCUMENTEVENT_SUCCESS;
    }
    case DOCUMENTEVENT_STARTPAGE:
        return SendUserPaperSizes(hPrinter, hdc) ? DOCUMENTEVENT_SUCCESS : DOCUMENTEVENT_FAILURE;
    default:
        return DOCUMENTEVENT_SUCCESS;
    }
}
