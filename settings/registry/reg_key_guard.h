#pragma once
// reg_key_guard.h - closes an open registry key on every way out of a scope.

#include "win/windows.h"

class RegKeyGuard {
public:
    RegKeyGuard() = default;
    ~RegKeyGuard()
    {
        if (m_key != nullptr)
            RegCloseKey(m_key);
    }
    RegKeyGuard(const RegKeyGuard&) = delete;
    RegKeyGuard& operator=(const RegKeyGuard&) = delete;

    // For the out argument of RegOpenKeyExW and RegCreateKeyExW.
    PHKEY out() { return &m_key; }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};
