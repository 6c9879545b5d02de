// option_listing.cpp - the options of the list settings, with the prohibited ones marked.
#include "option_listing.h"

#include "host/text.h"
#include "settings/devmode/driver_devmode.h"
#include "settings/strings/res_library.h"
#include "ui/core/control_rules.h"
#include "ui/core/item_constraints.h"
#include "ui/core/item_queries.h"
#include "ui/core/item_table.h"
#include "ui/core/sheet_state.h"

#include <cstring>
#include <memory>

std::vector<std::string> ListSettingOptions(HANDLE printer, const DEVMODEW* devmode, DWORD cbDevmode,
                                            const std::vector<std::pair<WORD, WORD>>& changes)
{
    std::vector<std::string> lines;
    if (devmode == nullptr || cbDevmode != sizeof(DRIVER_DEVMODE))
        return lines;
    auto dm = std::make_unique<DRIVER_DEVMODE>();
    std::memcpy(dm.get(), devmode, sizeof(DRIVER_DEVMODE));
    RES_MODULE_CELL* cell = OpenResModule();
    UI_STATE* state = nullptr;
    if (cell != nullptr && BuildUiState(cell, &state, dm.get(), nullptr, printer) && state != nullptr) {
        BindItemValues(state);
        for (const auto& [control, value] : changes)
            SetItemValue(control, value);
        UpdateControlRules(nullptr, state);
        EvaluateAllItems(state);
        const UI_ITEM* rows = GetUiItemRows();
        for (WORD i = 0; i < GetUiTableCounts().wItems; ++i) {
            const auto* list = static_cast<const ITEM_LIST*>(rows[i].pValue);
            if (rows[i].wKind != kItemList || list == nullptr)
                continue;
            const LPCWSTR label = GetItemLabel(rows[i].wControl);
            std::string line = std::to_string(rows[i].wControl);
            if (label != nullptr && label[0] != u'\0')
                line += " " + host::ToUtf8(label);
            line += ":";
            const WORD current = list->wCurrent;
            for (WORD k = 0; k < list->wCount; ++k) {
                ITEM_LIST_ENTRY option;
                std::memcpy(&option, NamedEntries(list) + k, sizeof option);
                WCHAR name[std::size(option.szName) + 1] = {};
                std::memcpy(name, option.szName, sizeof option.szName);
                std::string text = host::ToUtf8(name);
                if (text.empty())
                    text = std::to_string(option.wValue);
                if (option.wValue == current)
                    text = "[" + text + "]";
                if (option.wState == kOptionProhibited)
                    text += " (prohibited)";
                line += (k == 0 ? " " : ", ") + text;
            }
            lines.push_back(line);
        }
        BindItemValues(nullptr);
    }
    FreeUiState(&state);
    CloseResModule(cell);
    return lines;
}
