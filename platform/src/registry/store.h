#pragma once
// store.h - the registry's tree of keys and values, the handles open on it and its one lock; shared by the
// files of the registry service.
// Every function here except LockRegistry expects the caller to hold the lock it returns.

#include "win/winreg.h"

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace platform::registry {

struct Value {
    std::u16string name;   // "" is the key's default value
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

struct Key {
    std::u16string name;
    Key* parent = nullptr;   // null for a root; valid while the key is not deleted, because a key with
                             // sub-keys cannot be deleted
    bool deleted = false;    // handles may outlive their key; they then answer ERROR_KEY_DELETED
    FILETIME lastWrite = {};
    std::vector<std::shared_ptr<Key>> subKeys;   // creation order, which is the enumeration order
    std::vector<Value> values;                   // likewise
};

// What a handle stands for: the key, and the access it was opened with.
struct OpenKey {
    std::shared_ptr<Key> key;
    REGSAM access = 0;
};

std::unique_lock<std::mutex> LockRegistry();

// The tree of a predefined root (HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE), or null for any other value.
std::shared_ptr<Key> RootKey(HKEY root);
// "HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE", as the dump and the registry file name the roots.
std::u16string_view RootName(HKEY root);
// The roots that hold keys, in the order the registry file lists them.
inline const HKEY kKeptRoots[] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};

// The key behind a handle: ERROR_INVALID_HANDLE for a value no call handed out (or a predefined root the
// stand-in does not keep), ERROR_KEY_DELETED when another handle deleted the key.
LONG FindOpenKey(HKEY hKey, OpenKey& open);
// Same, and ERROR_ACCESS_DENIED unless the handle was opened with every right in needed.
LONG FindOpenKeyWith(HKEY hKey, REGSAM needed, OpenKey& open);

HKEY AddHandle(std::shared_ptr<Key> key, REGSAM samDesired);
bool RemoveHandle(HKEY hKey);

// Splits a sub-key path at its backslashes. A null or empty path has no parts; a trailing backslash is
// ignored; a leading backslash or an empty part is ERROR_BAD_PATHNAME.
LONG SplitPath(const WCHAR* path, std::vector<std::u16string_view>& parts);

std::shared_ptr<Key> FindSubKey(const Key& key, std::u16string_view name);
// The key the parts lead to from start, or null when one is missing.
std::shared_ptr<Key> FindPath(const std::shared_ptr<Key>& start, const std::vector<std::u16string_view>& parts);
// Opens or creates every key along the parts; created tells whether the last one is new.
std::shared_ptr<Key> CreatePath(const std::shared_ptr<Key>& start, const std::vector<std::u16string_view>& parts,
                                bool& created);
// True when following the parts from start would create at least one key.
bool WouldCreate(const std::shared_ptr<Key>& start, const std::vector<std::u16string_view>& parts);

// Removes a key without sub-keys from its parent; handles to it answer ERROR_KEY_DELETED from now on.
void RemoveKey(Key& key);

Value* FindValue(Key& key, std::u16string_view name);
// Sets a value's type and bytes; an existing value keeps its name's case and its place in the enumeration.
void PutValue(Key& key, std::u16string_view name, DWORD type, const BYTE* data, DWORD cbData);
bool EraseValue(Key& key, std::u16string_view name);

// Records a change to key: its last-write time, and the registry file when one is kept.
void NoteChange(Key& key);

// The names from the root's name down to key's parent: the path a walk from key starts with.
std::vector<std::u16string> AncestorNames(const Key& key);

// Visits start and every key below it, parents before children, in enumeration order; path holds the names
// from the root's name down to the key visited (start with AncestorNames(start)).
template <typename Fn>
void WalkKeys(const Key& start, std::vector<std::u16string>& path, Fn&& fn)
{
    path.push_back(start.name);
    fn(start, path);
    for (const auto& sub : start.subKeys)
        WalkKeys(*sub, path, fn);
    path.pop_back();
}

} // namespace platform::registry
