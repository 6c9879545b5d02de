// font_substitution_list.cpp - the job's font-substitution list, from the user's stored table.
#include "ui/core/font_substitution_list.h"
#include "settings/registry/driver_version.h"
#include "settings/base/global_memory.h"
#include "settings/store/font_sub_list.h"
#include "settings/store/list_schema.h"
#include "settings/strings/text_copy.h"

#include <cstring>

// The nodes of the list's pairs, linked in order, in one block; null when there are none or memory is short.
static FONT_SUB_NODE* BuildFontSubNodes(const FONT_SUB_LIST& list, DWORD* count)
{
    const SHORT stored = list.FontSubTblNum;
    if (stored < 1 || list.lpPairs == nullptr)
        return nullptr;
    const DWORD n = static_cast<DWORD>(stored) < kMaxFontSubNodes ? static_cast<DWORD>(stored) : kMaxFontSubNodes;
    auto* nodes = static_cast<FONT_SUB_NODE*>(AllocLockedBlock(n * sizeof(FONT_SUB_NODE)));
    if (nodes == nullptr)
        return nullptr;
    for (DWORD i = 0; i < n; ++i) {
        FONT_SUB_NODE node = {};
        node.pNext = i + 1 < n ? nodes + i + 1 : nullptr;
        FONT_SUB_PAIR pair;
        std::memcpy(&pair, list.lpPairs + i, sizeof pair);
        pair.TTFaceName[kFontSubFaceChars - 1] = u'\0';
        pair.DevFaceName[kFontSubFaceChars - 1] = u'\0';
        CopyText(&node.szTrueTypeFace, pair.TTFaceName);
        CopyText(&node.szDeviceFont, pair.DevFaceName);
        std::memcpy(nodes + i, &node, sizeof node);
    }
    *count = n;
    return nodes;
}

DWORD LoadFontSubstitutionList(DRIVER_DEVMODE* pdm)
{
    if (pdm == nullptr)
        return 0;
    PRIVATE_DEVMODE& priv = pdm->dmPrivate;
    CheckDriverVersion(&priv);
    if (priv.FontUseFlg == 0)
        return 0;

    // The printer is the one named in the private copy of the public part, which may fill its field.
    DEVMODEW publicCopy;
    std::memcpy(&publicCopy, &priv.dmPublicCopy, sizeof publicCopy);
    WCHAR printerName[CCHDEVICENAME + 1] = {};
    std::memcpy(printerName, publicCopy.dmDeviceName, sizeof publicCopy.dmDeviceName);

    FONT_SUB_LIST* list = NewFontSubList();
    if (list == nullptr)
        return 0;
    DWORD count = 0;
    LIST_SCHEMA_SET schemas = {};
    if (printerName[0] != u'\0' && LoadListSchemas(&schemas)) {
        // An unreadable table leaves the list empty: the job prints its TrueType text as glyph images.
        if (LoadFontSubList(list, &schemas, printerName))
            priv.fontSubstitutionList = BuildFontSubNodes(*list, &count);
        FreeListSchemas(&schemas);
    }
    FreeFontSubList(&list);
    return count;
}
