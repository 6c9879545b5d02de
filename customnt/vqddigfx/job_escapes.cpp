// job_escapes.cpp - the private escapes of the job records, the job's identity and control, the job queries
// and the holding file.
#include "customnt/vqddigfx/job_escapes.h"
#include "customnt/vqddigfx/escape_table.h"
#include "pdl/vxcmn/vqpdlnt/job_context.h"
#include "pdl/vxcmn/vqpdlnt/stored_name.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "settings/base/private_escape_codes.h"
#include "settings/strings/text_copy.h"

#include <cstring>
#include <iterator>

namespace {

constexpr DWORD kUserNameChars = kEscUserNameIn / sizeof(WCHAR);   // 255: what the input holds
constexpr DWORD kAppNameChars = kEscAppNameIn / sizeof(WCHAR);

static_assert(kEscJobExtraOut == kVqpdlContextSize);

ULONG CopyJobSettings(const ESCAPE_CALL& call)
{
    std::memcpy(call.pOut, call.pdev, kEscJobSettingsOut);
    return 1;
}

ULONG CopyJobExtra(const ESCAPE_CALL& call)
{
    std::memcpy(call.pOut, PdlGetContext(call.pdev), kVqpdlContextSize);
    return 1;
}

// The name, its length and the sum of its UTF-16 units, which the stored-name comparison checks; an empty
// name clears all three.
ULONG StoreUserName(const ESCAPE_CALL& call)
{
    WCHAR name[kUserNameChars + 1] = {};
    for (DWORD cch = 0; cch < kUserNameChars; ++cch) {
        WCHAR unit = 0;
        std::memcpy(&unit, call.pIn + cch * sizeof(WCHAR), sizeof unit);
        if (unit == u'\0')
            break;
        name[cch] = unit;
    }
    PdlSetUserName(call.pdev, name);
    return 1;
}

ULONG StoreCancelByte(const ESCAPE_CALL& call)
{
    PdlSetCancelByte(call.pdev, call.pIn[0]);
    return 1;
}

ULONG DropFormOverlay(const ESCAPE_CALL& call)
{
    PRIVATE_DEVMODE& dm = call.pdev->devmode.dmPrivate;
    dm.lpOverlay = kFormNone;
    dm.OverlayPrompt = 0;
    return 1;
}

// The ten user-defined paper sizes, which the page setup reads.
ULONG StoreUserPaperSizes(const ESCAPE_CALL& call)
{
    BYTE sizes[kEscUserPaperSizesIn];
    std::memcpy(sizes, call.pIn, sizeof sizes);
    PdlSetUserPaperSizes(call.pdev, sizes);
    return 1;
}

ULONG StoreJobByte(const ESCAPE_CALL& call)
{
    PdlSetFirstSheet(call.pdev, call.pIn[0]);
    return 1;
}

// At most 32 characters; a name of all 32 fills the field without a terminator, and its readers stop at the
// field's end.
ULONG StoreAppName(const ESCAPE_CALL& call)
{
    WCHAR name[kAppNameChars] = {};
    std::memcpy(name, call.pIn, sizeof name);
    for (DWORD i = BoundedTextLength(name, kAppNameChars); i < kAppNameChars; ++i)
        name[i] = u'\0';
    PdlSetAppName(call.pdev, name);
    return 1;
}

// The env bytes at 124 and 125 as u16 at 6 and 8; the first six bytes are the caller's.
ULONG GetJobValues(const ESCAPE_CALL& call)
{
    const DEVMODE_ENV_EXTRA* pEnv = PdevGetEnvExtra(call.pdev);
    const WORD values[2] = {pEnv->feature203, pEnv->feature204};
    std::memcpy(call.pOut + 6, values, sizeof values);
    return 1;
}

// The result goes into the context, and the name-match flags with it: the job header lets the user's ID and a
// private hold through only for the user the devmode was stored for.
ULONG CompareNames(const ESCAPE_CALL& call)
{
    const SHORT result = CompareStoredName(call.pdev);
    PdlGetContext(call.pdev)->sStoredNameResult = result;
    SetNameMatchFlags(call.pdev, result);
    return 1;
}

ULONG GetOutputMethod(const ESCAPE_CALL& call)
{
    call.pOut[0] = PdevGetEnvExtra(call.pdev)->lpOutputMethod;
    return 1;
}

ULONG StoreSendTimeStamp(const ESCAPE_CALL& call)
{
    WORD stamp[kEscDateStampBytes / sizeof(WORD)];
    std::memcpy(stamp, call.pIn, sizeof stamp);
    PdlSetSendTimeStamp(call.pdev, stamp);
    return 1;
}

ULONG ClearHoldingFile(const ESCAPE_CALL& call)
{
    PdlClearHoldingFile(call.pdev);
    return 1;
}

ULONG StoreHoldingFile(const ESCAPE_CALL& call)
{
    WCHAR path[kEscPathBytes / sizeof(WCHAR)];
    StoreEscapeText(&path, call.pIn, kEscPathBytes);
    PdlSetHoldingFile(call.pdev, path);
    return 1;
}

constexpr PRIVATE_ESCAPE_ROW kJobRecordRows[] = {
    {ESC_GET_JOB_SETTINGS,     0,                    kEscJobSettingsOut, CopyJobSettings    },
    {ESC_GET_JOB_EXTRA,        0,                    kEscJobExtraOut,    CopyJobExtra       },
    {ESC_SET_USER_NAME,        kEscUserNameIn,       0,                  StoreUserName      },
    {ESC_SET_CANCEL_JOB,       kEscCancelJobIn,      0,                  StoreCancelByte    },
    {ESC_DROP_FORM_OVERLAY,    0,                    0,                  DropFormOverlay    },
    {ESC_SET_USER_PAPER_SIZES, kEscUserPaperSizesIn, 0,                  StoreUserPaperSizes},
    {ESC_SET_JOB_BYTE,         kEscJobByteIn,        0,                  StoreJobByte       },
    {ESC_SET_APP_NAME,         kEscAppNameIn,        0,                  StoreAppName       },
    {0,                        0,                    0,                  nullptr            },   // terminator
};
static_assert(kJobRecordRows[std::size(kJobRecordRows) - 1].iEsc == 0, "terminator must be last");

constexpr PRIVATE_ESCAPE_ROW kJobQueryRows[] = {
    {ESC_COMPARE_STORED_NAME, 0,                  0,                   CompareNames      },
    {ESC_GET_JOB_VALUES,      0,                  kEscJobValuesOut,    GetJobValues      },
    {ESC_GET_OUTPUT_METHOD,   0,                  kEscOutputMethodOut, GetOutputMethod   },
    {ESC_SET_DATE_STAMP2,     kEscDateStampBytes, 0,                   StoreSendTimeStamp},
    {0,                       0,                  0,                   nullptr           },   // terminator
};
static_assert(kJobQueryRows[std::size(kJobQueryRows) - 1].iEsc == 0, "terminator must be last");

constexpr PRIVATE_ESCAPE_ROW kEcoPathRows[] = {
    {ESC_CLEAR_ECO_PATH, 0,             0, ClearHoldingFile},
    {ESC_SET_ECO_PATH,   kEscPathBytes, 0, StoreHoldingFile},
    {0,                  0,             0, nullptr         },   // terminator
};
static_assert(kEcoPathRows[std::size(kEcoPathRows) - 1].iEsc == 0, "terminator must be last");

} // namespace

ULONG EscapeJobRecords(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut)
{
    return RunPrivateEscape(kJobRecordRows, pdev, iEsc, cjIn, pvIn, cjOut, pvOut);
}

ULONG EscapeReserved(PDEV*, ULONG, ULONG, PVOID, ULONG, PVOID)
{
    return kEscNotMine;
}

ULONG EscapeJobQuery(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut)
{
    return RunPrivateEscape(kJobQueryRows, pdev, iEsc, cjIn, pvIn, cjOut, pvOut);
}

ULONG EscapeEcoPath(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut)
{
    return RunPrivateEscape(kEcoPathRows, pdev, iEsc, cjIn, pvIn, cjOut, pvOut);
}
