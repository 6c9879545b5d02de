// escape_fuzz.cpp - private escapes from an application: ExtEscape on a printer device context with a code of
// the private ranges, any input and output sizes and bytes, before, inside and after a document, in a short
// sequence the input spells out. Every input gets a device context of its own and leaves no job behind.
//
// Input: steps of one byte each, an escape's step followed by its code, sizes and input bytes.
#include "fuzz/fuzz_world.h"
#include "settings/base/private_escape_codes.h"

#include <algorithm>
#include <iterator>

namespace {

// Each private code with the input and output sizes it is accepted with.
struct KnownEscape {
    ULONG code;
    std::uint16_t cbIn;
    std::uint16_t cbOut;
};

constexpr KnownEscape kKnown[] = {
    {ESC_GET_JOB_SETTINGS, 0, 9075},   {ESC_GET_JOB_EXTRA, 0, 28108},      {ESC_SET_USER_NAME, 510, 0},
    {ESC_SET_CANCEL_JOB, 1, 0},        {ESC_DROP_FORM_OVERLAY, 0, 0},      {ESC_SET_USER_PAPER_SIZES, kEscUserPaperSizesIn, 0},
    {ESC_SET_JOB_BYTE, 1, 0},          {ESC_SET_APP_NAME, 64, 0},          {ESC_SET_FAX_JOB, 1972, 0},
    {ESC_GET_PHONEBOOK_ID, 0, 4},      {ESC_CLEAR_PHONEBOOK_ID, 0, 0},     {ESC_SET_PHONEBOOK, 18004, 0},
    {ESC_SET_FAX_VALUE_FIRST, 4, 0},   {ESC_SET_FAX_VALUE_FIRST + 1, 4, 0}, {ESC_SET_FAX_VALUE_FIRST + 2, 4, 0},
    {ESC_SET_FAX_VALUE_FIRST + 3, 4, 0}, {ESC_SET_FAX_VALUE_LAST, 4, 0},   {ESC_SET_FAX_PATH, 520, 0},
    {ESC_START_TRANSMISSION, 1, 0},    {ESC_RESET_TRANSMISSION, 0, 0},     {ESC_GET_DOC_NAME, 0, 520},
    {ESC_SET_DOC_NAME, 520, 0},        {ESC_GET_FAX_STATUS, 0, 16},        {ESC_SET_DATE_STAMP, 10, 0},
    {ESC_CLEAR_PHONEBOOK, 0, 0},       {ESC_GET_PHONEBOOK_TEXT, 0, 88},    {ESC_GET_DATE_STAMP, 0, 10},
    {ESC_END_OF_JOB, 0, 0},            {ESC_CLEAR_TEMP_NAME, 2, 0},        {ESC_CLEAR_EXTRA_TEMP_NAME, 0, 0},
    {ESC_SET_DATE_STAMP2, 10, 0},      {ESC_SET_TEMP_DIR, 520, 0},         {ESC_SET_TEMP_NAME, 64, 0},
    {ESC_SET_EXTRA_TEMP_NAME, 60, 0},  {ESC_GET_FAX_BLOCK, 0, 48},         {ESC_SET_FAX_BLOCK, 48, 0},
    {ESC_COMPARE_STORED_NAME, 0, 0},   {ESC_GET_JOB_VALUES, 0, 10},        {ESC_GET_OUTPUT_METHOD, 0, 1},
    {ESC_CLEAR_ECO_PATH, 0, 0},        {ESC_SET_ECO_PATH, 520, 0},         {ESC_PROBE, 0, 0},
    {ESC_SET_FONT_SUBST, 132, 0},      {ESC_CLEAR_BAND, 0, 0},             {ESC_SET_DEVMODE, 2615, 0},
    {ESC_END_PAGE_ADDITIONS, 0, 0},    {ESC_BEGIN_PAGE_ADDITIONS, 4, 0},   {ESC_GET_PAGE_COUNT, 0, 0},
    {ESC_GET_ORIENTATION, 0, 0},       {ESC_GET_DEVMODE, 0, 2615},
};

// The private ranges a raw code is taken from: its low byte comes from the input.
constexpr ULONG kRangeBases[] = {0x6FFFFF00, 0x6FFFFE00, 0x6FFFFD00, 0x6FFFFC00, 0x6FFFFB00, 0x7FFFFF00};

constexpr std::size_t kMaxRawSize = 1 << 15;
constexpr int kMaxSteps = 24;

enum Step : std::uint8_t { kEscape, kStartDoc, kStartPage, kDraw, kEndPage, kEndDoc, kAbortDoc, kStepCount };

void RunEscape(HDC hdc, fuzz::Reader& in)
{
    const std::uint8_t how = in.Byte();
    ULONG code = 0;
    std::size_t cbIn = 0;
    std::size_t cbOut = 0;
    if ((how & 1) == 0) {   // a known code, its own sizes unless the input changes one of them
        const KnownEscape& known = kKnown[in.Byte() % std::size(kKnown)];
        code = known.code;
        cbIn = known.cbIn;
        cbOut = known.cbOut;
        if (how & 2)
            cbIn = in.Word() % kMaxRawSize;
        if (how & 4)
            cbOut = in.Word() % kMaxRawSize;
        if (code == ESC_SET_FONT_SUBST)
            cbIn = 132 * static_cast<std::size_t>(1 + in.Byte() % 8);
    } else {   // any code of a private range with any sizes
        code = kRangeBases[(how >> 1) % std::size(kRangeBases)] | in.Byte();
        cbIn = in.Word() % kMaxRawSize;
        cbOut = in.Word() % kMaxRawSize;
    }
    // The input's bytes, then the output's; a size without its buffer now and then, as a careless caller sends.
    const std::vector<std::uint8_t> input = in.Bytes(std::min(cbIn, in.left()));
    std::vector<std::uint8_t> inBuffer(cbIn, 0);
    std::copy(input.begin(), input.end(), inBuffer.begin());
    std::vector<std::uint8_t> outBuffer(cbOut, 0xCD);
    const bool dropIn = (how & 0x40) != 0 && cbIn != 0;
    const bool dropOut = (how & 0x80) != 0 && cbOut != 0;
    // Without a buffer the size goes as 0: a size without its pointer is the caller's fault, not a finding.
    ExtEscape(hdc, static_cast<int>(code), dropIn ? 0 : static_cast<int>(cbIn),
              dropIn || cbIn == 0 ? nullptr : reinterpret_cast<LPCSTR>(inBuffer.data()),
              dropOut ? 0 : static_cast<int>(cbOut),
              dropOut || cbOut == 0 ? nullptr : reinterpret_cast<LPSTR>(outBuffer.data()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::TheWorld();
    fuzz::Reader in(data, size);
    HDC hdc = CreateDCW(nullptr, fuzz::kPrinterName, nullptr, nullptr);
    fuzz::Check(hdc != nullptr, "a printer device context");
    for (int step = 0; step < kMaxSteps && !in.empty(); ++step) {
        switch (in.Byte() % kStepCount) {
        case kEscape:
            RunEscape(hdc, in);
            break;
        case kStartDoc: {
            DOCINFOW di = {sizeof di, u"Fuzz", nullptr, nullptr, 0};
            StartDocW(hdc, &di);
            break;
        }
        case kStartPage:
            StartPage(hdc);
            break;
        case kDraw:
            TextOutW(hdc, 300, 300, u"Ab\u3042", 3);
            Rectangle(hdc, 100, 100, 900, 700);
            break;
        case kEndPage:
            EndPage(hdc);
            break;
        case kEndDoc:
            EndDoc(hdc);
            break;
        default:
            AbortDoc(hdc);
            break;
        }
    }
    DeleteDC(hdc);
    fuzz::RemoveJobFiles();
    return 0;
}
