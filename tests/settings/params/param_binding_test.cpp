// param_binding_test.cpp - the binding function: devmode reads at each parameter's own field, the rules that
// rewrite retired values, and the fix-up that points a state's lists at their own areas.
#include "settings/params/param_binding.h"

#include "settings/devmode/driver_devmode.h"
#include "settings/paper/feature_query.h"
#include "settings/params/param_binding_table.h"
#include "settings/params/ui_state.h"
#include "settings/params/uiparam_table.h"
#include "ui_state_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr WORD kLpLayout = 11;
constexpr WORD kFrontCheck = 20;
constexpr WORD kLpFrontCover = 21;
constexpr WORD kBackCheck = 22;
constexpr WORD kLpBackCover = 23;

// A devmode of exactly its size on the heap, so that a read past its end is caught.
std::unique_ptr<BYTE[]> NewDevmode(BYTE fill)
{
    std::unique_ptr<BYTE[]> bytes(new BYTE[kDriverDevmodeSize]);
    std::memset(bytes.get(), fill, kDriverDevmodeSize);
    return bytes;
}

DRIVER_DEVMODE* AsDevmode(const std::unique_ptr<BYTE[]>& bytes)
{
    return reinterpret_cast<DRIVER_DEVMODE*>(bytes.get());
}

// The current value the binder reads for a parameter, or 0xBEEF when it reports none.
WORD ReadCurrent(WORD wParamId, DRIVER_DEVMODE* pDevmode)
{
    WORD wCurrent = 0xBEEF;
    PARAM_BIND_REQUEST request = {};
    request.wParamId = wParamId;
    request.pDevmode = pDevmode;
    request.pDevmodeField = pDevmode;
    request.pwCurrent = &wCurrent;
    EXPECT_EQ(BindUiParam(&request), 1u) << "parameter " << wParamId;
    return wCurrent;
}

}  // namespace

TEST(BindUiParam, RefusesANullRequestAndLeavesABareRequestAlone)
{
    EXPECT_EQ(BindUiParam(nullptr), 0u);
    for (WORD id = 1; id <= kBoundParamCount; ++id) {
        PARAM_BIND_REQUEST request = {};
        request.wParamId = id;
        EXPECT_EQ(BindUiParam(&request), 1u) << "parameter " << id;
        PARAM_BIND_REQUEST untouched = {};
        untouched.wParamId = id;
        EXPECT_EQ(std::memcmp(&request, &untouched, sizeof request), 0) << "parameter " << id;
    }
}

TEST(BindUiParam, ReadsEveryParameterInsideTheDevmode)
{
    // Every field read and every address handed out lies inside the 2,615 bytes; the sanitizer catches a read
    // past the heap block.
    auto bytes = NewDevmode(0x5A);
    for (const UIPARAM_ROW* row = GetUiParamRows(); row->wParamId != 0; ++row) {
        if (row->pfnBind == nullptr)
            continue;
        WORD wCurrent = 0;
        void* pField = nullptr;
        DWORD cbField = 0;
        WORD wType = 0;
        PARAM_BIND_REQUEST request = {};
        request.wParamId = row->wParamId;
        request.pDevmode = AsDevmode(bytes);
        request.pDevmodeField = AsDevmode(bytes);
        request.pwCurrent = &wCurrent;
        request.ppDevmodeField = &pField;
        request.pcbDevmodeField = &cbField;
        request.pwDevmodeType = &wType;
        EXPECT_EQ(row->pfnBind(&request), 1u);
        if (pField != nullptr) {
            const BYTE* pByte = static_cast<BYTE*>(pField);
            EXPECT_GE(pByte, bytes.get()) << "parameter " << row->wParamId;
            EXPECT_LE(pByte + cbField, bytes.get() + kDriverDevmodeSize) << "parameter " << row->wParamId;
        }
    }
}

TEST(BindUiParam, ReadsAFeatureValueInItsOwnWidth)
{
    struct Case { WORD id; std::size_t offset; WORD expected; };
    const Case cases[] = {
        {  3, offsetof(DRIVER_DEVMODE, dmPublic.dmPaperSize),        0x0211 },   // two bytes
        { 16, offsetof(DRIVER_DEVMODE, dmPrivate.env.lpOutputTray),  0x0211 },
        {  5, offsetof(DRIVER_DEVMODE, dmPrivate.ZoomCheck),         0x0011 },   // one byte, its neighbour ignored
        { 42, offsetof(DRIVER_DEVMODE, dmPrivate.env.lpHardDisk),    0x0011 },
    };
    for (const Case& c : cases) {
        auto bytes = NewDevmode(0);
        bytes[c.offset] = 0x11;
        bytes[c.offset + 1] = 0x02;
        EXPECT_EQ(ReadCurrent(c.id, AsDevmode(bytes)), c.expected) << "parameter " << c.id;
    }
}

TEST(BindUiParam, RewritesARetiredLayoutInTheDevmode)
{
    struct Case { BYTE stored; WORD current; BYTE kept; };
    const Case cases[] = {
        { 1, 8, 8 },
        { 2, 8, 8 },
        { 5, 5, 5 },
        { 3, 3, 3 },   // not offered, still not rewritten
    };
    const std::size_t offset = offsetof(DRIVER_DEVMODE, dmPrivate.lpLayout);
    for (const Case& c : cases) {
        auto bytes = NewDevmode(0);
        bytes[offset] = c.stored;
        EXPECT_EQ(ReadCurrent(kLpLayout, AsDevmode(bytes)), c.current) << "stored " << int(c.stored);
        EXPECT_EQ(bytes[offset], c.kept) << "stored " << int(c.stored);
    }
}

TEST(BindUiParam, CoverChecksReadTheirByteBeforeTheListRewritesIt)
{
    struct Case { BYTE stored; WORD check; WORD cover; BYTE kept; };
    const Case cases[] = {
        { 1, 0, 2, 2 },   // no cover
        { 3, 1, 3, 3 },
    };
    const std::size_t front = offsetof(DRIVER_DEVMODE, dmPrivate.env.lpFrontCover);
    const std::size_t back = offsetof(DRIVER_DEVMODE, dmPrivate.env.lpBackCover);
    for (const Case& c : cases) {
        auto bytes = NewDevmode(0);
        bytes[front] = c.stored;
        bytes[back] = c.stored;
        // In table order, as a state is filled.
        std::vector<std::pair<WORD, WORD>> seen;
        for (const UIPARAM_ROW* row = GetUiParamRows(); row->wParamId != 0; ++row)
            if (row->wParamId >= kFrontCheck && row->wParamId <= kLpBackCover)
                seen.emplace_back(row->wParamId, ReadCurrent(row->wParamId, AsDevmode(bytes)));
        const std::vector<std::pair<WORD, WORD>> expected = {
            { kFrontCheck, c.check }, { kLpFrontCover, c.cover }, { kBackCheck, c.check }, { kLpBackCover, c.cover } };
        EXPECT_EQ(seen, expected) << "stored " << int(c.stored);
        EXPECT_EQ(bytes[front], c.kept);
        EXPECT_EQ(bytes[back], c.kept);
    }
}

TEST(BindUiParam, HandsOutTheDevmodeAndStateFieldsOfAFieldKind)
{
    // 235 and 239 read one devmode byte into a wider working field; 219 is a text of 21 characters.
    struct Case { WORD id; std::size_t offset; DWORD cbDevmode; WORD devmodeType; DWORD cbUi; WORD uiType; };
    const Case cases[] = {
        { 235, offsetof(DRIVER_DEVMODE, dmPrivate.env.pdlTypeAsBuilt),       1, 1,  2, 4 },
        { 239, offsetof(DRIVER_DEVMODE, dmPrivate.env.lpCopierHardDiskCopy), 1, 1,  2, 4 },
        { 219, offsetof(DRIVER_DEVMODE, dmPrivate.env.szSubAddress),        42, 128, 42, 128 },
        { 223, offsetof(DRIVER_DEVMODE, dmPrivate.env.pageSlots),          488, 64, 488, 64 },
    };
    auto bytes = NewDevmode(0);
    UI_STATE* pState = static_cast<UI_STATE*>(AllocLockedBlock(sizeof(UI_STATE)));
    ASSERT_NE(pState, nullptr);
    for (const Case& c : cases) {
        void* pDevmodeField = nullptr;
        DWORD cbDevmode = 0, cbUi = 0;
        WORD devmodeType = 0, uiType = 0;
        void* pUiField = nullptr;
        PARAM_BIND_REQUEST request = {};
        request.wParamId = c.id;
        request.pUiState = pState;
        request.pDevmode = AsDevmode(bytes);
        request.pDevmodeField = AsDevmode(bytes);
        request.ppDevmodeField = &pDevmodeField;
        request.pcbDevmodeField = &cbDevmode;
        request.pwDevmodeType = &devmodeType;
        request.ppUiField = &pUiField;
        request.pcbUiField = &cbUi;
        request.pwUiType = &uiType;
        EXPECT_EQ(BindUiParam(&request), 1u);
        EXPECT_EQ(pDevmodeField, bytes.get() + c.offset) << "parameter " << c.id;
        EXPECT_EQ(cbDevmode, c.cbDevmode) << "parameter " << c.id;
        EXPECT_EQ(devmodeType, c.devmodeType) << "parameter " << c.id;
        EXPECT_EQ(cbUi, c.cbUi) << "parameter " << c.id;
        EXPECT_EQ(uiType, c.uiType) << "parameter " << c.id;
        const BYTE* pByte = static_cast<BYTE*>(pUiField);
        EXPECT_GE(pByte, reinterpret_cast<BYTE*>(pState)) << "parameter " << c.id;
        EXPECT_LE(pByte + cbUi, reinterpret_cast<BYTE*>(pState) + sizeof(UI_STATE)) << "parameter " << c.id;
    }
    FreeLockedBlock(pState);
}

TEST(BindUiParam, LeavesTheDevmodeOutputsOfAParameterWithoutAField)
{
    auto bytes = NewDevmode(0);
    void* pField = reinterpret_cast<void*>(0x1234);
    DWORD cbField = 77;
    PARAM_BIND_REQUEST request = {};
    request.wParamId = 138;   // TabTextFontName lives in the working state only
    request.pDevmode = AsDevmode(bytes);
    request.pDevmodeField = AsDevmode(bytes);
    request.ppDevmodeField = &pField;
    request.pcbDevmodeField = &cbField;
    EXPECT_EQ(BindUiParam(&request), 1u);
    EXPECT_EQ(pField, reinterpret_cast<void*>(0x1234));
    EXPECT_EQ(cbField, 77u);
}

TEST_F(UiStateTest, IndexTabSettingsTakeTheirFeatureDefaultWhateverTheDevmodeHolds)
{
    const WORD params[] = { 139, 150, 187, 188, 189, 190 };
    auto zeros = NewDevmode(0x00);
    auto ones = NewDevmode(0xFF);
    for (WORD id : params) {
        const WORD expected = static_cast<WORD>(GetFeatureDefault(m_cell, FindUiParamRow(id)->wFeature));
        EXPECT_EQ(ReadCurrent(id, AsDevmode(zeros)), expected) << "parameter " << id;
        EXPECT_EQ(ReadCurrent(id, AsDevmode(ones)), expected) << "parameter " << id;
    }
}

TEST_F(UiStateTest, FixUpPointsEveryListIntoItsOwnBlock)
{
    // Areas lie behind the fixed part or inside the data block, each within its block and apart from the others.
    struct Area { WORD id; const BYTE* begin; const BYTE* end; };
    std::vector<Area> areas;
    const BYTE* pMain = reinterpret_cast<BYTE*>(m_state);
    const BYTE* pData = m_state->pDataBlock;
    for (WORD i = 0; i < m_state->wParamCount; ++i) {
        const UIPARAM_RUN_ROW row = m_state->pParamRows[i];
        const PARAM_BINDING_ROW* binding = FindParamBinding(row.wParamId);
        if (binding == nullptr || binding->area == UiArea::None)
            continue;
        void* pArea = nullptr;
        DWORD cbArea = 0;
        ASSERT_EQ(CallParamBinder(row.wParamId, i, m_state, &pArea, &cbArea, nullptr), 1u);
        const BYTE* begin = static_cast<BYTE*>(pArea);
        if (binding->area == UiArea::DataBlock) {
            EXPECT_GE(begin, pData) << "parameter " << row.wParamId;
            EXPECT_LT(begin, pData + m_state->cbDataBlock) << "parameter " << row.wParamId;
        } else {
            EXPECT_GE(begin, pMain + sizeof(UI_STATE)) << "parameter " << row.wParamId;
            EXPECT_LT(begin, pMain + m_state->cbMainBlock) << "parameter " << row.wParamId;
        }
        areas.push_back({ row.wParamId, begin, begin + 1 });
    }
    EXPECT_EQ(areas.size(), 98u + 3u) << "every list and data area is bound";
    for (std::size_t i = 0; i < areas.size(); ++i)
        for (std::size_t j = i + 1; j < areas.size(); ++j)
            EXPECT_NE(areas[i].begin, areas[j].begin) << "parameters " << areas[i].id << " and " << areas[j].id;
}
