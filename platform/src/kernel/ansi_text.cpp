// ansi_text.cpp - ANSI (code page 932) text cut at a byte limit.
#include "kernel/ansi_text.h"
#include "common/codepage.h"

namespace platform {

size_t WholeAnsiLength(std::string_view text)
{
    // Walk from the start: a trail byte may look like a lead byte, so only whole characters tell where one ends.
    size_t at = 0;
    while (at < text.size()) {
        const size_t step = IsLeadByte932(static_cast<unsigned char>(text[at])) ? 2 : 1;
        if (at + step > text.size())
            break;
        at += step;
    }
    return at;
}

} // namespace platform
