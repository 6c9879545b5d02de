// system_modules.cpp - the modules of the system that need no file: every call they export lives in the
// platform library, so GetProcAddress on them looks there.
#include "modules/system_modules.h"
#include "common/text_util.h"

#include <iterator>

namespace platform {

struct SYSTEM_MODULE_ROW {
    const char16_t* pszName;   // nullptr ends the table
};

constexpr SYSTEM_MODULE_ROW kSystemModules[] = {
    { u"ADVAPI32.DLL" },
    { u"COMCTL32.DLL" },
    { u"COMDLG32.DLL" },
    { u"GDI32.DLL"    },
    { u"hhctrl.ocx"   },
    { u"KERNEL32.DLL" },
    { u"NTDLL.DLL"    },
    { u"SHFOLDER.DLL" },
    { u"USER32.DLL"   },
    { u"WINSPOOL.DRV" },
    { nullptr         },   // terminator
};
static_assert(kSystemModules[std::size(kSystemModules) - 1].pszName == nullptr, "terminator must be last");

const char16_t* FindSystemModule(std::u16string_view fileName)
{
    for (const SYSTEM_MODULE_ROW* row = kSystemModules; row->pszName != nullptr; ++row)
        if (EqualsNoCase(row->pszName, fileName))
            return row->pszName;
    return nullptr;
}

} // namespace platform
