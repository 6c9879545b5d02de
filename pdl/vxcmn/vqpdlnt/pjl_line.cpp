// pjl_line.cpp - the one writer of PJL lines.
#include "pdl/vxcmn/vqpdlnt/pjl_line.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/pjl_job_texts.h"

#include <charconv>
#include <iterator>

void PjlLinePut(PjlLine& line, const char* text)
{
    if (text == nullptr)
        return;
    for (; *text != '\0' && line.length + 1 < kPjlLineSize; ++text)
        line.text[line.length++] = *text;
    line.text[line.length] = '\0';
}

void PjlLinePutText(PjlLine& line, const char* text)
{
    const std::size_t start = line.length;
    PjlLinePut(line, text);
    CleanPjlText(line.text + start);
}

void PjlLinePutNumber(PjlLine& line, long value)
{
    char digits[12];   // "-2147483648" fits
    const auto result = std::to_chars(digits, std::end(digits), value);
    *result.ptr = '\0';
    PjlLinePut(line, digits);
}

void PjlLineWrite(PDEV* pdev, const PjlLine& line)
{
    if (line.length != 0)
        PdlWrite(pdev, line.text, static_cast<DWORD>(line.length));
}

void PjlWriteLine(PDEV* pdev, std::initializer_list<const char*> pieces)
{
    PjlLine line{{}, 0};
    for (const char* piece : pieces)
        PjlLinePut(line, piece);
    PjlLineWrite(pdev, line);
}
