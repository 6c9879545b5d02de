#pragma once
// files_test_util.h - what the file tests share: host files put in place and read back, and names.

#include "host/text.h"
#include "host/world.h"
#include "win/windows.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Where a Windows name lies on the host.
inline std::filesystem::path HostPath(const std::u16string& windowsPath)
{
    return host::MapWindowsPath(windowsPath);
}

// Puts a file in place behind the platform's back, as another program would.
inline void PutFile(const std::u16string& windowsPath, const std::string& bytes)
{
    std::ofstream out(HostPath(windowsPath), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string FileBytes(const std::u16string& windowsPath)
{
    std::ifstream in(HostPath(windowsPath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool FileExists(const std::u16string& windowsPath)
{
    std::error_code ec;
    return std::filesystem::exists(HostPath(windowsPath), ec);
}

// A Windows text in messages of failed expectations.
inline std::string Narrow(const std::u16string& text)
{
    return host::ToUtf8(text);
}
