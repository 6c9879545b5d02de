// blank_page_test.cpp - which drawing calls mark a tracked sheet and which leave it blank.
#include "customnt/vqddigfx/pdev_fixture.h"
#include "pdl/vxcmn/vqpdlnt/blank_page.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <functional>

namespace {

using BlankPage = PdevTest;

TEST_F(BlankPage, OnlyCallsThatCannotPutInkKeepASheetBlank)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    BRUSHOBJ white = {0xFFFFFF, nullptr, 0};
    BRUSHOBJ whiteInHighByte = {0x12FFFFFF, nullptr, 0};
    BRUSHOBJ black = {0x000000, nullptr, 0};
    BRUSHOBJ pattern = {0xFFFFFFFF, nullptr, 0};
    RECTL opaque = {0, 0, 1, 1};
    SURFOBJ source = {};
    struct Case { const char* call; std::function<void(PDEV*)> draw; bool blank; };
    const Case cases[] = {
        {"PATCOPY white",        [&](PDEV* p) { BlankTestBlt(p, nullptr, &white, 0xF0F0); }, true},
        {"PATCOPY white, high",  [&](PDEV* p) { BlankTestBlt(p, nullptr, &whiteInHighByte, 0xF0F0); }, true},
        {"PATCOPY black",        [&](PDEV* p) { BlankTestBlt(p, nullptr, &black, 0xF0F0); }, false},
        {"PATCOPY no brush",     [&](PDEV* p) { BlankTestBlt(p, nullptr, nullptr, 0xF0F0); }, true},
        {"PATCOPY unrealizable", [&](PDEV* p) { BlankTestBlt(p, nullptr, &pattern, 0xF0F0); }, true},   // no ink
        {"WHITENESS",            [&](PDEV* p) { BlankTestBlt(p, nullptr, &black, 0xFFFF); }, true},
        {"BLACKNESS",            [&](PDEV* p) { BlankTestBlt(p, nullptr, &white, 0x0000); }, false},
        {"PATINVERT",            [&](PDEV* p) { BlankTestBlt(p, nullptr, &white, 0x5A5A); }, false},
        {"masked PATCOPY",       [&](PDEV* p) { BlankTestBlt(p, nullptr, &white, 0xAAF0); }, false},
        {"SRCCOPY",              [&](PDEV* p) { BlankTestBlt(p, &source, &white, 0xCCCC); }, false},
        {"white text",           [&](PDEV* p) { BlankTestText(p, &white, nullptr, &black); }, true},
        {"white text on black",  [&](PDEV* p) { BlankTestText(p, &white, &opaque, &black); }, false},
        {"black text",           [&](PDEV* p) { BlankTestText(p, &black, nullptr, nullptr); }, false},
        {"white path",           [&](PDEV* p) { BlankTestPath(p, &white, &white); }, true},
        {"black fill",           [&](PDEV* p) { BlankTestPath(p, &white, &black); }, false},
        {"image",                [&](PDEV* p) { BlankTestImage(p); }, false},
    };
    JOB_EXTRA_RECORD* pContext = PdlGetContext(m_pdev);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        pContext->bPageBlank = 1;
        pContext->bDrawKind = 1;
        c.draw(m_pdev);
        EXPECT_EQ(Copy(pContext->bPageBlank), c.blank ? 1 : 0);
    }
    // Once something was drawn on the sheet, even a white call marks it; an untracked sheet stays as it is.
    pContext->bPageBlank = 1;
    pContext->bDrawKind = 0;
    BlankTestPath(m_pdev, &white, &white);
    EXPECT_EQ(Copy(pContext->bPageBlank), 0);
    BlankTestImage(m_pdev);
    EXPECT_EQ(Copy(pContext->bPageBlank), 0);
}

} // namespace
