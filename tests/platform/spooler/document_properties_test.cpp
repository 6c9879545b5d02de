// document_properties_test.cpp - DocumentPropertiesW: the printer's interface module answers for its devmodes.
#include "support/printer_fixture.h"
#include "win/windows.h"

#include <vector>

using DocumentProperties = PrinterWorldTest;

namespace {

constexpr LONG kOk = 1;   // what a document-properties call answers when it did what it was asked (IDOK)

} // namespace

TEST_F(DocumentProperties, AnswersTheDriversSizeThenItsDevmodeThenMergesTheCallersFields)
{
    const LONG cb = DocumentPropertiesW(nullptr, m_hPrinter, const_cast<LPWSTR>(kPrinterName), nullptr, nullptr, 0);
    ASSERT_GT(cb, LONG{sizeof(DEVMODEW)}) << "the driver's devmode has a part of its own";

    std::vector<BYTE> out(static_cast<size_t>(cb), 0xCD);
    auto* pdm = reinterpret_cast<DEVMODEW*>(out.data());
    ASSERT_EQ(DocumentPropertiesW(nullptr, m_hPrinter, const_cast<LPWSTR>(kPrinterName), pdm, nullptr,
                                  DM_OUT_BUFFER),
              kOk);
    EXPECT_EQ(std::u16string(pdm->dmDeviceName), kPrinterName);
    EXPECT_EQ(pdm->dmSize + pdm->dmDriverExtra, cb);
    EXPECT_EQ(pdm->dmPaperSize, DMPAPER_A4);

    // The application changes a public field and asks the driver to settle it.
    pdm->dmPaperSize = DMPAPER_A3;
    pdm->dmFields |= DM_PAPERSIZE;
    std::vector<BYTE> merged(static_cast<size_t>(cb), 0xCD);
    auto* pMerged = reinterpret_cast<DEVMODEW*>(merged.data());
    ASSERT_EQ(DocumentPropertiesW(nullptr, m_hPrinter, const_cast<LPWSTR>(kPrinterName), pMerged, pdm,
                                  DM_IN_BUFFER | DM_OUT_BUFFER),
              kOk);
    EXPECT_EQ(pMerged->dmPaperSize, DMPAPER_A3);
    EXPECT_EQ(pMerged->dmPaperWidth, 2970) << "the paper's own size comes with it";
}

TEST_F(DocumentProperties, RefusesWhatItCannotAnswer)
{
    std::vector<BYTE> out(8192);
    auto* pdm = reinterpret_cast<DEVMODEW*>(out.data());
    struct Case { const char* what; HANDLE hPrinter; DEVMODEW* pOut; DWORD fMode; DWORD error; };
    const Case cases[] = {
        {"no printer", nullptr, pdm, DM_OUT_BUFFER, ERROR_INVALID_HANDLE},
        {"no output buffer", m_hPrinter, nullptr, DM_OUT_BUFFER, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetLastError(0);
        EXPECT_LT(DocumentPropertiesW(nullptr, c.hPrinter, const_cast<LPWSTR>(kPrinterName), c.pOut, nullptr,
                                      c.fMode),
                  0);
        EXPECT_EQ(GetLastError(), c.error);
    }
}
