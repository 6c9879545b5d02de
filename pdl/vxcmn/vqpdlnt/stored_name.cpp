// stored_name.cpp - the stored user name against the one sent for the job.
#include "pdl/vxcmn/vqpdlnt/stored_name.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <cstring>

namespace {

constexpr int kComparedUnits = 32;

} // namespace

SHORT CompareStoredName(PDEV* pdev)
{
    const DEVMODE_ENV_EXTRA& env = pdev->devmode.dmPrivate.env;
    const JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    WCHAR stored[kComparedUnits];
    WCHAR sent[kComparedUnits];
    std::memcpy(stored, env.LogonUserName, sizeof stored);   // the field holds more: only these units count
    std::memcpy(sent, pContext->szUserName, sizeof sent);
    bool same = env.LogonUserNameSum == pContext->dwUserNameSum &&
                env.LogonUserNameLength == pContext->cchUserName;
    for (int i = 0; same && i < kComparedUnits; ++i) {
        if (stored[i] != sent[i])
            same = false;
        else if (stored[i] == u'\0')
            break;
    }
    const bool storedEmpty = stored[0] == u'\0';
    const bool sentEmpty = sent[0] == u'\0';
    if (same)
        return storedEmpty ? kStoredNameBothEmpty : kStoredNameEqual;
    if (storedEmpty)
        return kStoredNameDevmodeEmpty;
    if (sentEmpty)
        return kStoredNameContextEmpty;
    return kStoredNameDifferent;
}

void SetNameMatchFlags(PDEV* pdev, SHORT result)
{
    const DWORD match = result == kStoredNameBothEmpty || result == kStoredNameEqual ? 1 : 0;
    const DWORD flags[4] = {match, match, match, match};
    static_assert(sizeof flags == sizeof JOB_EXTRA_RECORD::dwNameMatch);
    std::memcpy(PdlGetContext(pdev)->dwNameMatch, flags, sizeof flags);
}
