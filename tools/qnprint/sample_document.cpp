// sample_document.cpp - a short document through CreateDCW, StartDocW, StartPage, EndPage and EndDoc.
#include "sample_document.h"
#include "host/printers.h"
#include "win/windows.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

// The job's bytes as text: printable characters as they are, others as \xNN.
void ShowBytes(const std::string& bytes)
{
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n')
            std::printf("\n    ");
        else if (byte >= 0x20 && byte < 0x7F)
            std::putchar(c);
        else
            std::printf("\\x%02X", byte);
    }
    std::printf("\n");
}

} // namespace

bool PrintSampleDocument(const std::u16string& printerName)
{
    HDC hdc = CreateDCW(nullptr, printerName.c_str(), nullptr, nullptr);
    if (hdc == nullptr) {
        std::printf("\nsample document: CreateDCW failed (%lu)\n", GetLastError());
        return false;
    }
    DOCINFOW di = {sizeof di, u"qnprint sample", nullptr, nullptr, 0};
    bool printed = StartDocW(hdc, &di) > 0;
    for (int page = 0; printed && page < 2; ++page)
        printed = StartPage(hdc) > 0 && EndPage(hdc) > 0;
    // The interface module's document events end the job (its closing UEL) at EndDoc.
    printed = printed && EndDoc(hdc) > 0;
    DeleteDC(hdc);
    const auto jobs = host::JobFiles(printerName);
    if (!printed || jobs.empty()) {
        std::printf("\nsample document: printing failed\n");
        return false;
    }
    std::ifstream in(jobs.back(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::printf("\nsample document (2 empty pages): job file %s, %zu bytes\n    ", jobs.back().c_str(), bytes.size());
    ShowBytes(bytes);
    return true;
}
