#pragma once
// list_group_walk.h - the load, save and write-defaults operations that every registry list group shares:
// a walk over a store that holds only the group's own object.

#include "settings/paper/feature_table.h"
#include "settings/store/list_registry_walk.h"
#include "settings/store/settings_store.h"

// Walks the object of the group (kept in the store's slot) in the mode. 1 while the group is disabled; 0 for a
// null object, schema or printer name.
template <typename Object>
BOOL WalkOneListGroup(Object* object, Object* SETTINGS_STORE::*slot, WORD wGroup, const LIST_SCHEMA_SET* schemas,
                      LPCWSTR printerName, ListWalkMode mode)
{
    if (!IsListGroupEnabled(wGroup))
        return TRUE;
    if (object == nullptr || schemas == nullptr || printerName == nullptr)
        return FALSE;
    SETTINGS_STORE store = {};
    store.*slot = object;
    return WalkListGroup(&store, schemas, wGroup, printerName, mode);
}

// A fresh object with its defaults, written in the WriteDefaults mode and freed. 1 also when the group is
// disabled or no object could be made (nothing is written then); 0 for a null schema or printer name.
template <typename Object>
BOOL WriteListGroupDefaults(Object* SETTINGS_STORE::*slot, WORD wGroup, Object* (*create)(),
                            BOOL (*setDefaults)(Object*), void (*release)(Object**), const LIST_SCHEMA_SET* schemas,
                            LPCWSTR printerName)
{
    if (!IsListGroupEnabled(wGroup))
        return TRUE;
    if (schemas == nullptr || printerName == nullptr)
        return FALSE;
    Object* object = create();
    if (object == nullptr)
        return TRUE;
    setDefaults(object);
    WalkOneListGroup(object, slot, wGroup, schemas, printerName, ListWalkMode::WriteDefaults);
    release(&object);
    return TRUE;
}

// A count read as stored, taken as the capacity of its block when it is larger; a count below 1 stays as it is.
inline SHORT BoundStoredCount(SHORT count, UINT capacity)
{
    return count > static_cast<SHORT>(capacity) ? static_cast<SHORT>(capacity) : count;
}
