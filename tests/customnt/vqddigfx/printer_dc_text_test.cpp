// printer_dc_text_test.cpp - text an application draws on a "QN-804C" device context with GDI's own calls,
// reaching the job in resident fonts where the job's substitution list allows and as glyph images elsewhere.
#include "job_fixture.h"
#include "support/job_text.h"

namespace {

using PrinterDcText = GraphicsJobTest;

// A font of the face with an em of that many pixels, upright or turned (tenths of a degree).
HFONT EmFont(const WCHAR* face, int em, BYTE charSet = DEFAULT_CHARSET, int escapement = 0)
{
    return CreateFontW(-em, 0, escapement, escapement, FW_NORMAL, FALSE, FALSE, FALSE, charSet, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

TEST_F(PrinterDcText, TextOutWReachesTheJobInResidentFontsAndGlyphImages)
{
    InstallWithSilentInterface();
    const DRIVER_DEVMODE dm = DriverDevmode();
    HDC hdc = OpenDc(&dm.dmPublic);
    ASSERT_NE(hdc, nullptr);
    DOCINFOW di = {sizeof di, u"Letters", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(hdc, &di), 0);
    // The list the interface module sends at the start of the document.
    ASSERT_EQ(Escape(hdc, ESC_SET_FONT_SUBST, FontNodes({{u"Arial", u"Arial"}, {u"ＭＳ 明朝", u"HG明朝L"}})), 1);
    ASSERT_GT(StartPage(hdc), 0);

    SetTextAlign(hdc, TA_BASELINE | TA_LEFT);
    SetBkMode(hdc, TRANSPARENT);
    const HFONT arial = EmFont(u"Arial", 50);
    const HGDIOBJ old = SelectObject(hdc, arial);
    SIZE h = {};
    ASSERT_TRUE(GetTextExtentPoint32W(hdc, u"H", 1, &h));
    ASSERT_TRUE(TextOutW(hdc, 100, 300, u"Hi", 2));
    ASSERT_TRUE(TextOutW(hdc, 100, 400, u"Hi", 2));
    SetBkColor(hdc, RGB(0, 0, 0));
    SetTextColor(hdc, RGB(255, 255, 255));
    const RECT box = {80, 440, 400, 520};
    ASSERT_TRUE(ExtTextOutW(hdc, 100, 500, ETO_OPAQUE, &box, u"W", 1, nullptr));
    SetTextColor(hdc, RGB(0, 0, 0));

    const HFONT mincho = EmFont(u"ＭＳ 明朝", 100, SHIFTJIS_CHARSET);
    SelectObject(hdc, mincho);
    ASSERT_TRUE(TextOutW(hdc, 100, 700, u"一\xE9", 2));
    const HFONT courier = EmFont(u"Courier New", 50);
    SelectObject(hdc, courier);
    ASSERT_TRUE(TextOutW(hdc, 100, 900, u"C", 1));
    SelectObject(hdc, old);
    for (HFONT font : {arial, mincho, courier})
        DeleteObject(font);
    ASSERT_GT(EndPage(hdc), 0);
    ASSERT_EQ(Escape(hdc, ESC_END_OF_JOB), 1);
    ASSERT_GT(EndDoc(hdc), 0);
    DeleteDC(hdc);
    m_hdc = nullptr;

    const std::string job = JobBytes();
    const std::string hi = "txo #48 100 300;\ntxo #69 " + std::to_string(100 + h.cx) + " 300;\n";
    EXPECT_NE(job.find("fos 5;\nfop %6 %1;\nfor %0;\nfob 0;\nfoi 0;\n" + hi + "txo #48 100 400;\n"),
              std::string::npos)
        << "the second line in the same font writes no font state: " << job;
    EXPECT_EQ(CountOf(job, "foc "), 6u) << "Arial's four rows and the two forms of HG明朝L";
    EXPECT_NE(job.find("sba 80 440 320 80;\n"), std::string::npos) << "ETO_OPAQUE's box";
    EXPECT_NE(job.find("bri #FFFFFF #FFFFFF;\n"), std::string::npos) << "white text";
    EXPECT_NE(job.find("fos 88;\nfop %12 %1;\n"), std::string::npos);
    EXPECT_NE(job.find("txo #88EA 100 700;\nmta "), std::string::npos) << "é has no Shift-JIS form: an image";
    EXPECT_EQ(CountOf(job, "mta "), 2u) << "é and Courier New's C";
}

} // namespace
