// store.cpp - the registry's tree, its handles, path splitting and the reset at each new world.
#include "registry/store.h"
#include "common/handles.h"
#include "common/text_util.h"
#include "common/world_state.h"
#include "registry/persistence.h"

#include <chrono>
#include <cstring>

namespace platform::registry {
namespace {

// Generic rights a caller may ask for, and the key rights each stands for.
constexpr DWORD kGenericRead = 0x80000000;
constexpr DWORD kGenericWrite = 0x40000000;
constexpr DWORD kGenericExecute = 0x20000000;
constexpr DWORD kGenericAll = 0x10000000;
constexpr DWORD kMaximumAllowed = 0x02000000;

struct Registry {
    std::mutex mutex;
    std::shared_ptr<Key> currentUser;
    std::shared_ptr<Key> localMachine;
    HandleTable<OpenKey> handles{kKeyHandleBase};
};

std::shared_ptr<Key> NewRoot(HKEY root)
{
    auto key = std::make_shared<Key>();
    key->name = RootName(root);
    return key;
}

Registry& TheRegistry()
{
    static Registry* registry = [] {
        auto* fresh = new Registry();   // never destroyed: modules may still call in at process exit
        fresh->currentUser = NewRoot(HKEY_CURRENT_USER);
        fresh->localMachine = NewRoot(HKEY_LOCAL_MACHINE);
        return fresh;
    }();
    return *registry;
}

void MarkDeleted(Key& key)
{
    key.deleted = true;
    for (const auto& sub : key.subKeys)
        MarkDeleted(*sub);
}

// A new world starts with empty trees; handles of the old world are forgotten, and keys that outlive them
// in someone's hands count as deleted.
void ResetRegistry()
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    StopKeeping();
    registry.handles.Clear();
    MarkDeleted(*registry.currentUser);
    MarkDeleted(*registry.localMachine);
    registry.currentUser = NewRoot(HKEY_CURRENT_USER);
    registry.localMachine = NewRoot(HKEY_LOCAL_MACHINE);
}

const bool kResetRegistered = (OnWorldReset(ResetRegistry), true);

REGSAM MapGenericRights(REGSAM sam)
{
    if (sam & (kGenericAll | kMaximumAllowed))
        sam |= KEY_ALL_ACCESS;
    if (sam & (kGenericRead | kGenericExecute))
        sam |= KEY_READ;
    if (sam & kGenericWrite)
        sam |= KEY_WRITE;
    return sam;
}

FILETIME Now()
{
    // FILETIME counts 100-nanosecond intervals from 1601-01-01; the Unix epoch lies 11644473600 s later.
    const auto since1970 = std::chrono::system_clock::now().time_since_epoch();
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(since1970).count();
    const auto ticks = static_cast<uint64_t>(ns / 100) + 116444736000000000ULL;
    return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
}

} // namespace

std::unique_lock<std::mutex> LockRegistry()
{
    return std::unique_lock(TheRegistry().mutex);
}

std::shared_ptr<Key> RootKey(HKEY root)
{
    if (root == HKEY_CURRENT_USER)
        return TheRegistry().currentUser;
    if (root == HKEY_LOCAL_MACHINE)
        return TheRegistry().localMachine;
    return nullptr;
}

std::u16string_view RootName(HKEY root)
{
    if (root == HKEY_CURRENT_USER)
        return u"HKEY_CURRENT_USER";
    if (root == HKEY_LOCAL_MACHINE)
        return u"HKEY_LOCAL_MACHINE";
    return u"";
}

LONG FindOpenKey(HKEY hKey, OpenKey& open)
{
    if (std::shared_ptr<Key> root = RootKey(hKey)) {
        open = OpenKey{std::move(root), KEY_ALL_ACCESS};
        return ERROR_SUCCESS;
    }
    const std::shared_ptr<OpenKey> found = TheRegistry().handles.Find(hKey);
    if (found == nullptr)
        return ERROR_INVALID_HANDLE;
    if (found->key->deleted)
        return ERROR_KEY_DELETED;
    open = *found;
    return ERROR_SUCCESS;
}

LONG FindOpenKeyWith(HKEY hKey, REGSAM needed, OpenKey& open)
{
    const LONG result = FindOpenKey(hKey, open);
    if (result != ERROR_SUCCESS)
        return result;
    if ((open.access & needed) != needed)
        return ERROR_ACCESS_DENIED;
    return ERROR_SUCCESS;
}

HKEY AddHandle(std::shared_ptr<Key> key, REGSAM samDesired)
{
    auto open = std::make_shared<OpenKey>(OpenKey{std::move(key), MapGenericRights(samDesired)});
    return TheRegistry().handles.Add<HKEY>(std::move(open));
}

bool RemoveHandle(HKEY hKey)
{
    return TheRegistry().handles.Remove(hKey) != nullptr;
}

LONG SplitPath(const WCHAR* path, std::vector<std::u16string_view>& parts)
{
    parts.clear();
    std::u16string_view rest = View(path);
    if (!rest.empty() && rest.front() == u'\\')
        return ERROR_BAD_PATHNAME;
    if (!rest.empty() && rest.back() == u'\\')
        rest.remove_suffix(1);
    if (rest.empty())
        return ERROR_SUCCESS;
    while (true) {
        const size_t end = rest.find(u'\\');
        const std::u16string_view part = rest.substr(0, end);
        if (part.empty())
            return ERROR_BAD_PATHNAME;
        parts.push_back(part);
        if (end == std::u16string_view::npos)
            return ERROR_SUCCESS;
        rest.remove_prefix(end + 1);
    }
}

std::shared_ptr<Key> FindSubKey(const Key& key, std::u16string_view name)
{
    for (const auto& sub : key.subKeys)
        if (EqualsNoCase(sub->name, name))
            return sub;
    return nullptr;
}

std::shared_ptr<Key> FindPath(const std::shared_ptr<Key>& start, const std::vector<std::u16string_view>& parts)
{
    std::shared_ptr<Key> key = start;
    for (std::u16string_view part : parts) {
        key = FindSubKey(*key, part);
        if (key == nullptr)
            return nullptr;
    }
    return key;
}

bool WouldCreate(const std::shared_ptr<Key>& start, const std::vector<std::u16string_view>& parts)
{
    return FindPath(start, parts) == nullptr;
}

std::shared_ptr<Key> CreatePath(const std::shared_ptr<Key>& start, const std::vector<std::u16string_view>& parts,
                                bool& created)
{
    created = false;
    std::shared_ptr<Key> key = start;
    for (std::u16string_view part : parts) {
        std::shared_ptr<Key> sub = FindSubKey(*key, part);
        created = sub == nullptr;
        if (created) {
            sub = std::make_shared<Key>();
            sub->name = part;
            sub->parent = key.get();
            sub->lastWrite = Now();
            key->subKeys.push_back(sub);
            NoteChange(*key);
        }
        key = std::move(sub);
    }
    return key;
}

void RemoveKey(Key& key)
{
    Key* parent = key.parent;
    key.deleted = true;
    if (parent == nullptr)
        return;
    for (auto it = parent->subKeys.begin(); it != parent->subKeys.end(); ++it) {
        if (it->get() == &key) {
            parent->subKeys.erase(it);
            break;
        }
    }
    key.parent = nullptr;
    NoteChange(*parent);
}

Value* FindValue(Key& key, std::u16string_view name)
{
    for (Value& value : key.values)
        if (EqualsNoCase(value.name, name))
            return &value;
    return nullptr;
}

void PutValue(Key& key, std::u16string_view name, DWORD type, const BYTE* data, DWORD cbData)
{
    Value* value = FindValue(key, name);
    if (value == nullptr) {
        key.values.push_back(Value{std::u16string(name), type, {}});
        value = &key.values.back();
    }
    value->type = type;
    value->data.assign(data, data + cbData);
    NoteChange(key);
}

bool EraseValue(Key& key, std::u16string_view name)
{
    for (auto it = key.values.begin(); it != key.values.end(); ++it) {
        if (EqualsNoCase(it->name, name)) {
            key.values.erase(it);
            NoteChange(key);
            return true;
        }
    }
    return false;
}

void NoteChange(Key& key)
{
    key.lastWrite = Now();
    SaveIfKept();
}

std::vector<std::u16string> AncestorNames(const Key& key)
{
    std::vector<std::u16string> names;
    for (const Key* up = key.parent; up != nullptr; up = up->parent)
        names.insert(names.begin(), up->name);
    return names;
}

} // namespace platform::registry
