#pragma once
// job_text.h - looking at a job's bytes as text.

#include <cstddef>
#include <string>

// How often what occurs in text, occurrences not overlapping.
inline size_t CountOf(const std::string& text, const std::string& what)
{
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++count;
    return count;
}
