// ui_state_clone.cpp - cloning and copying a sheet working state.
#include "settings/params/ui_state_clone.h"

#include "settings/base/global_memory.h"
#include "settings/params/ui_state.h"
#include "settings/params/ui_state_layout.h"
#include "settings/store/settings_store.h"

#include <cstring>

UI_STATE* CloneUiState(const UI_STATE* pSource)
{
    if (pSource == nullptr)
        return nullptr;
    const DWORD cbMain = pSource->cbMainBlock;
    const DWORD cbData = pSource->cbDataBlock;
    LockedBlock main(cbMain);
    LockedBlock data(cbData);
    SETTINGS_STORE* pStore = NewSettingsStore();
    if (!main || (cbData != 0 && !data) || pStore == nullptr) {
        FreeSettingsStore(&pStore);
        return nullptr;
    }
    std::memcpy(main.get(), pSource, cbMain);
    if (cbData != 0)
        std::memcpy(data.get(), pSource->pDataBlock, cbData);
    if (pSource->pStore != nullptr)
        CopySettingsStore(pStore, pSource->pStore);
    auto* pClone = main.as<UI_STATE>();
    pClone->pDataBlock = static_cast<BYTE*>(data.release());
    pClone->pStore = pStore;
    RebindUiStatePointers(pClone, nullptr);
    return static_cast<UI_STATE*>(main.release());
}

void FreeUiStateClone(UI_STATE** ppClone)
{
    if (ppClone == nullptr || *ppClone == nullptr)
        return;
    UI_STATE* pClone = *ppClone;
    SETTINGS_STORE* pStore = pClone->pStore;
    FreeSettingsStore(&pStore);
    FreeLockedBlock(pClone->pDataBlock);
    FreeLockedBlock(pClone);
    *ppClone = nullptr;
}

void CopyUiState(UI_STATE* pTarget, const UI_STATE* pSource)
{
    if (pTarget == nullptr || pSource == nullptr || pTarget == pSource)
        return;
    const DWORD cbMain = pSource->cbMainBlock;
    const DWORD cbData = pSource->cbDataBlock;
    if (pTarget->cbMainBlock != cbMain || pTarget->cbDataBlock != cbData)
        return;
    // The target keeps what it owns: its data block and store, and the run-time tables and packed defaults
    // it was built with (taking the source's would leave the target's unfreed and free the source's twice).
    BYTE* pDataBlock = pTarget->pDataBlock;
    SETTINGS_STORE* pStore = pTarget->pStore;
    UIPARAM_RUN_ROW* pParamRows = pTarget->pParamRows;
    SETTINGS_KEY_RUN_ROW* pKeyRows = pTarget->pKeyRows;
    BYTE* pPackedUiDefaults = pTarget->pPackedUiDefaults;
    BYTE* pPackedListDefaults = pTarget->pPackedListDefaults;
    LIST_SCHEMA_SET schemas;
    std::memcpy(&schemas, &pTarget->schemas, sizeof schemas);
    std::memcpy(pTarget, pSource, cbMain);
    if (cbData != 0 && pDataBlock != nullptr && pSource->pDataBlock != nullptr)
        std::memcpy(pDataBlock, pSource->pDataBlock, cbData);
    pTarget->pDataBlock = pDataBlock;
    pTarget->pStore = pStore;
    pTarget->pParamRows = pParamRows;
    pTarget->pKeyRows = pKeyRows;
    pTarget->pPackedUiDefaults = pPackedUiDefaults;
    pTarget->pPackedListDefaults = pPackedListDefaults;
    std::memcpy(&pTarget->schemas, &schemas, sizeof schemas);
    if (pStore != nullptr && pSource->pStore != nullptr)
        CopySettingsStore(pStore, pSource->pStore);
    RebindUiStatePointers(pTarget, nullptr);
}
