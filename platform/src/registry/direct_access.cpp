// direct_access.cpp - the registry by path for the platform's own set-up.
#include "registry/direct_access.h"
#include "registry/store.h"

#include <string>

namespace platform::registry {

// The key at root\path, created when create is set; null when it is missing or the path is malformed.
static std::shared_ptr<Key> KeyAt(HKEY root, std::u16string_view path, bool create)
{
    const std::u16string pathText(path);
    std::vector<std::u16string_view> parts;
    const std::shared_ptr<Key> rootKey = RootKey(root);
    if (rootKey == nullptr || SplitPath(pathText.c_str(), parts) != ERROR_SUCCESS)
        return nullptr;
    if (!create)
        return FindPath(rootKey, parts);
    bool created = false;
    return CreatePath(rootKey, parts, created);
}

bool EnsureKeyDirect(HKEY root, std::u16string_view path)
{
    auto lock = LockRegistry();
    return KeyAt(root, path, /*create=*/true) != nullptr;
}

bool SetValueDirect(HKEY root, std::u16string_view path, std::u16string_view name, DWORD type,
                    const std::vector<BYTE>& data)
{
    auto lock = LockRegistry();
    const std::shared_ptr<Key> key = KeyAt(root, path, /*create=*/true);
    if (key == nullptr)
        return false;
    PutValue(*key, name, type, data.data(), static_cast<DWORD>(data.size()));
    return true;
}

void DeleteValueDirect(HKEY root, std::u16string_view path, std::u16string_view name)
{
    auto lock = LockRegistry();
    if (const std::shared_ptr<Key> key = KeyAt(root, path, /*create=*/false))
        EraseValue(*key, name);
}

std::optional<std::vector<BYTE>> ReadValueDirect(HKEY root, std::u16string_view path, std::u16string_view name)
{
    auto lock = LockRegistry();
    const std::shared_ptr<Key> key = KeyAt(root, path, /*create=*/false);
    const Value* value = key == nullptr ? nullptr : FindValue(*key, name);
    if (value == nullptr)
        return std::nullopt;
    return value->data;
}

} // namespace platform::registry
