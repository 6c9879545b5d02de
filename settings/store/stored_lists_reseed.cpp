// stored_lists_reseed.cpp - puts a printer's per-user named lists back to their defaults.
#include "settings/store/stored_lists_reseed.h"

// TODO: load the list schemas, clean the printer's per-user key (CleanPrinterUserKeys) when asked, write
// the default lists of every group (WriteDefaultSettingsStore) and free the schemas. All of it belongs to
// the settings store, which is not built yet. Until then a version change only records the new version:
// the lists of the earlier version stay, and the readers treat whatever they find as untrusted.
BOOL ReseedStoredLists(LPCWSTR printerName, BOOL cleanFirst)
{
    (void)printerName;
    (void)cleanFirst;
    return TRUE;
}
