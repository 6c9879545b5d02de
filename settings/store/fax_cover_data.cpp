// fax_cover_data.cpp - the Fax Cover Sheet list group: the record's life, its fields and its registry walks.
#include "settings/store/fax_cover_data.h"
#include "settings/paper/feature_table.h"
#include "settings/base/global_memory.h"
#include "settings/strings/res_strings.h"
#include "settings/store/list_groups.h"
#include "settings/store/list_group_walk.h"
#include "settings/store/settings_store.h"
#include "settings/strings/text_copy.h"

#include <cstring>
#include <iterator>

static bool IsEnabled()
{
    return IsListGroupEnabled(kFaxCoverListGroup) != 0;
}

namespace {

struct FAX_COVER_FIELD_ROW {
    WORD  wCode;     // 0 ends the table
    DWORD offset;
    DWORD size;
    DWORD type;
};

} // namespace

constexpr FAX_COVER_FIELD_ROW kFaxCoverFields[] = {
    {70, 0,                                              sizeof(FAX_COVER_RECORD), kFieldBlock},
    {71, offsetof(FAX_COVER_RECORD, Subject),            130,                      kFieldText },
    {72, offsetof(FAX_COVER_RECORD, Fixedform),          82,                       kFieldText },
    {73, offsetof(FAX_COVER_RECORD, ReceiptCompany1),    82,                       kFieldText },
    {74, offsetof(FAX_COVER_RECORD, ReceiptCompany2),    82,                       kFieldText },
    {75, offsetof(FAX_COVER_RECORD, ReceiptName),        82,                       kFieldText },
    {76, offsetof(FAX_COVER_RECORD, ReceiptFaxnum),      82,                       kFieldText },
    {77, offsetof(FAX_COVER_RECORD, SenderCompany1),     82,                       kFieldText },
    {78, offsetof(FAX_COVER_RECORD, SenderCompany2),     82,                       kFieldText },
    {79, offsetof(FAX_COVER_RECORD, SenderName),         82,                       kFieldText },
    {81, offsetof(FAX_COVER_RECORD, SenderTelnum),       82,                       kFieldText },
    {80, offsetof(FAX_COVER_RECORD, SenderFaxnum),       82,                       kFieldText },
    {82, offsetof(FAX_COVER_RECORD, SenderEmail),        82,                       kFieldText },
    {83, offsetof(FAX_COVER_RECORD, Pagenum),            4,                        kField32   },
    {84, offsetof(FAX_COVER_RECORD, Style),              4,                        kField32   },
    {85, offsetof(FAX_COVER_RECORD, A4PFix),             4,                        kField32   },
    {86, offsetof(FAX_COVER_RECORD, Filename),           522,                      kFieldText },
    {87, offsetof(FAX_COVER_RECORD, Zoom),               4,                        kField32   },
    {88, offsetof(FAX_COVER_RECORD, Xposition),          4,                        kField32   },
    {89, offsetof(FAX_COVER_RECORD, Yposition),          4,                        kField32   },
    {91, offsetof(FAX_COVER_RECORD, CommentNumber),      4,                        kField32   },
    {92, offsetof(FAX_COVER_RECORD, Comment),            1282,                     kFieldText },
    {0,  0,                                              0,                        0          },   // terminator
};
static_assert(kFaxCoverFields[std::size(kFaxCoverFields) - 1].wCode == 0, "terminator must be last");

FAX_COVER_RECORD* NewFaxCoverData()
{
    if (!IsEnabled())
        return nullptr;
    return static_cast<FAX_COVER_RECORD*>(AllocLockedBlock(sizeof(FAX_COVER_RECORD)));
}

void FreeFaxCoverData(FAX_COVER_RECORD** cell)
{
    if (cell == nullptr || *cell == nullptr)
        return;
    FreeLockedBlock(*cell);
    *cell = nullptr;
}

BOOL CopyFaxCoverData(FAX_COVER_RECORD* target, const FAX_COVER_RECORD* source)
{
    if (!IsEnabled())
        return TRUE;
    if (target == nullptr || source == nullptr)
        return FALSE;
    std::memmove(target, source, sizeof(FAX_COVER_RECORD));
    return TRUE;
}

BOOL AccessFaxCoverField(WORD fieldCode, void** address, DWORD* size, DWORD* type, FAX_COVER_RECORD* record)
{
    // While the group is off there is no record to point into: refuse, leaving the outputs as they are.
    if (!IsEnabled() || address == nullptr || size == nullptr || type == nullptr || record == nullptr)
        return FALSE;
    const FAX_COVER_FIELD_ROW* row = kFaxCoverFields;
    while (row->wCode != 0 && row->wCode != fieldCode)
        ++row;
    if (row->wCode == 0)
        return FALSE;
    *address = reinterpret_cast<BYTE*>(record) + row->offset;
    *size = row->size;
    *type = row->type;
    return TRUE;
}

BOOL SetFaxCoverDefaults(FAX_COVER_RECORD* record)
{
    if (!IsEnabled())
        return TRUE;
    if (record == nullptr)
        return FALSE;
    FAX_COVER_RECORD defaults = {};
    InitResStrings();
    CopyText(&defaults.Fixedform, GetResString(kIdsFixedForm));
    TermResStrings();
    defaults.Pagenum = 1;
    defaults.Style = 1;
    defaults.A4PFix = 5;
    defaults.Zoom = 100;
    std::memcpy(record, &defaults, sizeof defaults);
    return TRUE;
}

BOOL LoadFaxCoverData(FAX_COVER_RECORD* record, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName)
{
    return WalkOneListGroup(record, &SETTINGS_STORE::lpFaxCover, kFaxCoverListGroup, schemas, printerName,
                            ListWalkMode::Read);
}

BOOL SaveFaxCoverData(FAX_COVER_RECORD* record, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName)
{
    return WalkOneListGroup(record, &SETTINGS_STORE::lpFaxCover, kFaxCoverListGroup, schemas, printerName,
                            ListWalkMode::Write);
}

BOOL WriteDefaultFaxCoverData(const LIST_SCHEMA_SET* schemas, LPCWSTR printerName)
{
    return WriteListGroupDefaults(&SETTINGS_STORE::lpFaxCover, kFaxCoverListGroup, NewFaxCoverData,
                                  SetFaxCoverDefaults, FreeFaxCoverData, schemas, printerName);
}
