// stored_lists_reseed.cpp - puts a printer's per-user named lists back to their defaults.
#include "settings/store/stored_lists_reseed.h"
#include "settings/store/list_schema.h"
#include "settings/store/settings_store.h"

BOOL ReseedStoredLists(LPCWSTR printerName, BOOL cleanFirst)
{
    LIST_SCHEMA_SET schemas = {};
    if (!LoadListSchemas(&schemas))
        return FALSE;
    if (cleanFirst)
        CleanPrinterUserKeys(nullptr, printerName, nullptr);
    const BOOL written = WriteDefaultSettingsStore(&schemas, printerName, nullptr);
    FreeListSchemas(&schemas);
    return written;
}
