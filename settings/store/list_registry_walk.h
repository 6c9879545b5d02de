#pragma once
// list_registry_walk.h - reads and writes whole named-list groups under a printer's per-user key by walking
// their schema rows. Everything stored there is untrusted: a value of another type or size than its field is
// not read, a text is read within its field and terminated, and no stored count takes the walk past a block.

#include "settings/store/list_schema.h"

struct SETTINGS_STORE;

enum class ListWalkMode : UINT {
    Read = 1,            // two passes: the counts first, then what they bound
    Write = 2,
    WriteDefaults = 3,   // as Write; the store holds fresh defaults
};

// Where item wItem of group wGroup lies in the store for the path's key and value indices: address, byte size
// and type code, from the group's field accessor. 0, outputs untouched, for an unknown or disabled group, a
// group whose slot in the store is null, or an item or index the accessor refuses.
BOOL GetListFieldInfo(WORD wItem, WORD wGroup, const LIST_WALK_PATH* path, void** address, DWORD* size,
                      DWORD* type, SETTINGS_STORE* store);

// Walks the rows (one group's rows of a LIST_SCHEMA_SET) for the group wGroup, or for every group when it is 0;
// disabled groups and the UDPaper rows are skipped. Writing creates each key as its row comes and writes the
// values into the keys created; a failed creation or write does not stop the walk. Reading leaves a field
// whose value cannot be read as it is. 1, or 0 for a null store, rows or printer name, or an unknown mode.
BOOL WalkListRegistry(SETTINGS_STORE* store, const LIST_SCHEMA_RUN_ROW* rows, WORD rowCount, WORD wGroup,
                      LPCWSTR printerName, ListWalkMode mode);

// WalkListRegistry over the group's own rows of the set; 0 when the set has no rows for the group.
BOOL WalkListGroup(SETTINGS_STORE* store, const LIST_SCHEMA_SET* schemas, WORD wGroup, LPCWSTR printerName,
                   ListWalkMode mode);

// Reads or writes the value valueName of the key keyPath (below HKEY_CURRENT_USER) for the item at the path.
// 1 when the value was moved; 0 when the field is unknown or the registry refused.
BOOL WalkListValue(SETTINGS_STORE* store, WORD wItem, WORD wGroup, const LIST_WALK_PATH* path, LPCWSTR keyPath,
                   LPCWSTR valueName, ListWalkMode mode);

// Moves one field of the given byte size and type code: integers as REG_DWORD (written widened, 8- and
// 16-bit unsigned with zeros, 16-bit signed with its sign; read back into the field's low bytes), blocks as
// REG_BINARY of exactly the size, texts as REG_SZ (read within the field, terminated; written up to the
// field's end with a NUL). 0, field untouched, when the size does not suit the type or the registry refused.
BOOL ReadWriteListValue(LPCWSTR keyPath, LPCWSTR valueName, void* address, DWORD size, DWORD type,
                        ListWalkMode mode);
