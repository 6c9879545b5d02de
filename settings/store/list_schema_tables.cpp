// list_schema_tables.cpp - the registry layout of each named-list group, as data, and its lookup.
// Columns: item, kind, level and name, first and last index, parent item, group.
#include "settings/store/list_schema.h"
#include "settings/store/list_groups.h"

#include <iterator>

namespace {

constexpr BYTE kKey = kListRowKey;
constexpr BYTE kValue = kListRowValue;

// A row whose name sits in the column of its level (1 section, 2 key, 3 value; 0 for a row without names).
constexpr LIST_SCHEMA_ROW Row(WORD item, BYTE kind, int level, const char16_t* name, WORD first, WORD last,
                              WORD parent, WORD group)
{
    LIST_SCHEMA_ROW row = {};
    row.wItem = item;
    row.bKind = kind;
    WCHAR* column = level == 1 ? row.szSection : level == 2 ? row.szKey : level == 3 ? row.szValue : nullptr;
    for (int i = 0; column != nullptr && i < 63 && name[i] != u'\0'; ++i)
        column[i] = name[i];
    row.wFirst = first;
    row.wLast = last;
    row.wParent = parent;
    row.wGroup = group;
    return row;
}

} // namespace

// InterSheet
constexpr LIST_SCHEMA_ROW kInterSheetSchema[] = {
    Row( 37, kKey,   1, u"InterSheet",                   1,   1,   0, kInterSheetListGroup),
    Row( 38, kKey,   2, u"InterSheetList%d",             1,  10,   0, kInterSheetListGroup),
    Row( 39, kValue, 3, u"InterSheetListName",           1,   1,   0, kInterSheetListGroup),
    Row( 40, kValue, 3, u"ISPageListNum",                1,   1,   0, kInterSheetListGroup),
    Row( 41, kValue, 3, u"Mixplex",                      1,   1,   0, kInterSheetListGroup),
    Row( 42, kValue, 3, u"ISPageListData%d",             0, 127,  40, kInterSheetListGroup),
    Row( 43, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 44, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 45, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 46, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 47, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 48, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 49, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 50, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 51, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 52, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 53, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 54, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 55, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 56, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 57, kValue, 3, u"TabTextDtlDlgLastSetting",     1,   1,   0, kInterSheetListGroup),
    Row( 58, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 59, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 60, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 61, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 62, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 63, kValue, 3, u"TabSettingData",               1,   1,   0, kInterSheetListGroup),
    Row( 64, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 65, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 66, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 67, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 68, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    Row( 69, kValue, 0, u"",                             1,   1,   0, kInterSheetListGroup),
    {},   // terminator
};
static_assert(kInterSheetSchema[std::size(kInterSheetSchema) - 1].wItem == 0, "terminator must be last");

// Form
constexpr LIST_SCHEMA_ROW kFormSchema[] = {
    Row(  1, kKey,   1, u"Form",                         1,   1,   0, kFormListGroup),
    Row(  2, kKey,   2, u"Overlays",                     1,   1,   0, kFormListGroup),
    Row(  3, kValue, 3, u"CreateFileName",               1,   1,   0, kFormListGroup),
    Row(  4, kValue, 3, u"PrintFileName",                1,   1,   0, kFormListGroup),
    Row(  5, kValue, 3, u"Caption%d",                    2,   3,   0, kFormListGroup),
    Row(  6, kValue, 3, u"Message%d",                    1,   3,   0, kFormListGroup),
    Row(  7, kValue, 3, u"Style%d",                      1,   3,   0, kFormListGroup),
    Row(  8, kKey,   2, u"Overlay File",                 1,   1,   0, kFormListGroup),
    Row(  9, kValue, 3, u"FormListNum",                  1,   1,   0, kFormListGroup),
    Row( 10, kValue, 3, u"%d",                           0,  99,   9, kFormListGroup),
    {},   // terminator
};
static_assert(kFormSchema[std::size(kFormSchema) - 1].wItem == 0, "terminator must be last");

// WaterMark
constexpr LIST_SCHEMA_ROW kWatermarkSchema[] = {
    Row( 11, kKey,   1, u"WaterMark",                    1,   1,   0, kWatermarkListGroup),
    Row( 12, kValue, 2, u"WMarkListNum",                 1,   1,   0, kWatermarkListGroup),
    Row( 13, kKey,   2, u"WMarkListData%d",              0,  50,  12, kWatermarkListGroup),
    Row( 15, kValue, 3, u"Watermark String",             1,   1,   0, kWatermarkListGroup),
    Row( 17, kValue, 3, u"Watermark Font",               1,   1,   0, kWatermarkListGroup),
    Row( 19, kValue, 3, u"Watermark Style",              1,   1,   0, kWatermarkListGroup),
    Row( 21, kValue, 3, u"Watermark Size",               1,   1,   0, kWatermarkListGroup),
    Row( 23, kValue, 3, u"Watermark Angle",              1,   1,   0, kWatermarkListGroup),
    Row( 99, kValue, 3, u"Watermark SelectColor",        1,   1,   0, kWatermarkListGroup),
    Row( 25, kValue, 3, u"Watermark Color(Thickness)",   1,   1,   0, kWatermarkListGroup),
    Row( 27, kValue, 3, u"Watermark Center(X)",          1,   1,   0, kWatermarkListGroup),
    Row( 29, kValue, 3, u"Watermark Center(Y)",          1,   1,   0, kWatermarkListGroup),
    {},   // terminator
};
static_assert(kWatermarkSchema[std::size(kWatermarkSchema) - 1].wItem == 0, "terminator must be last");

// FontSubTbl
constexpr LIST_SCHEMA_ROW kFontSubSchema[] = {
    Row( 30, kKey,   1, u"FontSubTbl",                   1,   1,   0, kFontSubListGroup),
    Row( 31, kValue, 2, u"FontSubTblNum",                1,   1,   0, kFontSubListGroup),
    Row( 32, kValue, 2, u"Index",                        1,   1,   0, kFontSubListGroup),
    Row( 33, kKey,   2, u"TTFont List",                  1,   1,   0, kFontSubListGroup),
    Row( 34, kValue, 3, u"TTFaceName%d",                 0, 499,  31, kFontSubListGroup),
    Row( 35, kKey,   2, u"DevFont List",                 1,   1,   0, kFontSubListGroup),
    Row( 36, kValue, 3, u"DevFaceName%d",                0, 499,  31, kFontSubListGroup),
    {},   // terminator
};
static_assert(kFontSubSchema[std::size(kFontSubSchema) - 1].wItem == 0, "terminator must be last");

// Fax Cover Sheet
constexpr LIST_SCHEMA_ROW kFaxCoverSchema[] = {
    Row( 70, kKey,   1, u"Fax Cover Sheet",              1,   1,   0, kFaxCoverListGroup),
    Row( 71, kValue, 2, u"Subject",                      1,   1,   0, kFaxCoverListGroup),
    Row( 72, kValue, 2, u"Fixedform",                    1,   1,   0, kFaxCoverListGroup),
    Row( 73, kValue, 2, u"Receipt Company1",             1,   1,   0, kFaxCoverListGroup),
    Row( 74, kValue, 2, u"Receipt Company2",             1,   1,   0, kFaxCoverListGroup),
    Row( 75, kValue, 2, u"Receipt Name",                 1,   1,   0, kFaxCoverListGroup),
    Row( 76, kValue, 2, u"Receipt Faxnum",               1,   1,   0, kFaxCoverListGroup),
    Row( 77, kValue, 2, u"Sender Company1",              1,   1,   0, kFaxCoverListGroup),
    Row( 78, kValue, 2, u"Sender Company2",              1,   1,   0, kFaxCoverListGroup),
    Row( 79, kValue, 2, u"Sender Name",                  1,   1,   0, kFaxCoverListGroup),
    Row( 81, kValue, 2, u"Sender Telnum",                1,   1,   0, kFaxCoverListGroup),
    Row( 80, kValue, 2, u"Sender Faxnum",                1,   1,   0, kFaxCoverListGroup),
    Row( 82, kValue, 2, u"Sender Email",                 1,   1,   0, kFaxCoverListGroup),
    Row( 83, kValue, 2, u"Pagenum",                      1,   1,   0, kFaxCoverListGroup),
    Row( 84, kValue, 2, u"Style",                        1,   1,   0, kFaxCoverListGroup),
    Row( 85, kValue, 2, u"FCSPaper",                     1,   1,   0, kFaxCoverListGroup),
    Row( 86, kValue, 2, u"Filename",                     1,   1,   0, kFaxCoverListGroup),
    Row( 87, kValue, 2, u"Zoom",                         1,   1,   0, kFaxCoverListGroup),
    Row( 88, kValue, 2, u"X position",                   1,   1,   0, kFaxCoverListGroup),
    Row( 89, kValue, 2, u"Y position",                   1,   1,   0, kFaxCoverListGroup),
    Row( 90, kKey,   2, u"Comment",                      1,   1,   0, kFaxCoverListGroup),
    Row( 91, kValue, 3, u"LineNum",                      1,   1,   0, kFaxCoverListGroup),
    Row( 92, kValue, 3, u"Text",                         1,   1,   0, kFaxCoverListGroup),
    {},   // terminator
};
static_assert(kFaxCoverSchema[std::size(kFaxCoverSchema) - 1].wItem == 0, "terminator must be last");

// UDPaper: never walked; its rows serve field lookup
constexpr LIST_SCHEMA_ROW kUDPaperSchema[] = {
    Row( 93, kValue, 2, u"UDPaper%d",                    1,  10,   0, kUDPaperListGroup),
    Row( 94, kValue, 0, u"",                             1,   1,   0, kUDPaperListGroup),
    Row( 95, kValue, 0, u"",                             1,   1,   0, kUDPaperListGroup),
    Row( 96, kValue, 0, u"",                             1,   1,   0, kUDPaperListGroup),
    Row( 97, kValue, 0, u"",                             1,   1,   0, kUDPaperListGroup),
    {},   // terminator
};
static_assert(kUDPaperSchema[std::size(kUDPaperSchema) - 1].wItem == 0, "terminator must be last");

const LIST_SCHEMA_ROW* GetListSchemaTable(WORD wGroup)
{
    switch (wGroup) {
    case kInterSheetListGroup:
        return kInterSheetSchema;
    case kFormListGroup:
        return kFormSchema;
    case kWatermarkListGroup:
        return kWatermarkSchema;
    case kFontSubListGroup:
        return kFontSubSchema;
    case kFaxCoverListGroup:
        return kFaxCoverSchema;
    case kUDPaperListGroup:
        return kUDPaperSchema;
    default:
        return nullptr;
    }
}
