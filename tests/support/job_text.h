#pragma once
// job_text.h - looking at a job's bytes as text.

#include <cstddef>
#include <initializer_list>
#include <string>

// How often what occurs in text, occurrences not overlapping.
inline size_t CountOf(const std::string& text, const std::string& what)
{
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++count;
    return count;
}

// Bytes given as numbers (0 to 255), as they stand in a job's text: the data of an image or a brush.
inline std::string ByteText(std::initializer_list<int> values)
{
    std::string bytes;
    for (int v : values)
        bytes.push_back(static_cast<char>(v));
    return bytes;
}
