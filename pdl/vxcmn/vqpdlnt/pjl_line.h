#pragma once
// pjl_line.h - the one writer of PJL lines: a line is put together piece by piece within the writer's line
// limit, outside text cleaned so that it cannot end its value or its line, and then passed on whole.

#include "win/windef.h"

#include <cstddef>
#include <initializer_list>

struct PDEV;

constexpr std::size_t kPjlLineSize = 256;   // the writer's line limit; the longest option line is 200

// One line as it is put together; text is always terminated, and a piece that does not fit is cut.
struct PjlLine {
    char text[kPjlLineSize];
    std::size_t length;
};

// The printer's own text, as it is; null puts nothing.
void PjlLinePut(PjlLine& line, const char* text);

// Outside text (names, titles): cleaned of control characters and double quotes.
void PjlLinePutText(PjlLine& line, const char* text);

// A signed decimal number.
void PjlLinePutNumber(PjlLine& line, long value);

// Passes the line to the PDEV's job stream; an empty line writes nothing.
void PjlLineWrite(PDEV* pdev, const PjlLine& line);

// A whole line of the printer's own pieces, put in order, passed to the PDEV's job stream.
void PjlWriteLine(PDEV* pdev, std::initializer_list<const char*> pieces);
