// pjl_options.cpp - the "@PJL SET" lines of the job header, one handler per option row. The texts are the
// printer's vocabulary, byte for byte, misspelt error comments and odd blanks included: the controller and
// the tools that read job logs match them exactly.
#include "pdl/vxcmn/vqpdlnt/pjl_options.h"
#include "customnt/vqddigfx/pdev.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/page_plan.h"
#include "pdl/vxcmn/vqpdlnt/page_tray.h"
#include "pdl/vxcmn/vqpdlnt/pjl_job_texts.h"
#include "pdl/vxcmn/vqpdlnt/pjl_line.h"
#include "pdl/vxcmn/vqpdlnt/pjl_names.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "settings/devmode/devmode_switches.h"
#include "settings/pagelist/page_slots.h"
#include "settings/paper/paper_queries.h"

#include <charconv>
#include <cstring>
#include <iterator>
#include <type_traits>

namespace {

constexpr std::size_t kJobNameBytes = 127;
constexpr std::size_t kUserNameBytes = 64;
constexpr std::size_t kNameBytes = 31;           // paper and tray names
constexpr std::size_t kStoredTextBytes = 49;     // user ID, job ID, password
constexpr int kMaxInsertSheetNumber = 999;       // the printer's INTERSHEET numbers have three digits

// A value of the devmode and the word that tells the printer about it.
struct PjlWord {
    int value;
    const char* word;
};

// Covers: lpFrontCover or lpBackCover, and what the cover and the printing on it are.
struct PjlCoverWords {
    int value;
    const char* cover;
    const char* print;
};

// Centre finishing: lpCenterFinish, and the fold, stitch and trim it asks for.
struct PjlFinishWords {
    int value;
    const char* fold;
    const char* stitch;
    const char* trim;
};

// Media: the media-type word, and the media and transparency interleaving it asks for.
struct PjlMediaWords {
    int value;
    const char* media;
    const char* interleave;
};

constexpr PjlWord kOrientations[] = {{1, "PORTRAIT"}, {2, "LANDSCAPE"}};
constexpr PjlWord kOnOff[] = {{1, "ON"}, {0, "OFF"}};
constexpr PjlWord kOutputBins[] = {{1, "DEFAULT"}, {2, "BIN2"}, {3, "BIN1"}, {4, "BIN3"}};
constexpr PjlWord kStaplePositions[] = {{2, "LEFT"}, {3, "RIGHT"}, {4, "LEFT2"}, {5, "TOP2"}, {6, "RIGHT2"}};
constexpr PjlCoverWords kCovers[] = {{1, "OFF", "OFF"}, {2, "ON", "OFF"}, {3, "ON", "ON"}};
constexpr PjlWord kCoverTrays[] = {
    {1, "TRAY1"}, {2, "TRAY2"}, {258, "TRAY3"}, {259, "TRAY4"}, {260, "TRAY5"}, {261, "FEEDER"}, {4, "MANUAL"},
};
constexpr PjlWord kOnePerSheetLayouts[] = {{1, "2IN1"}, {2, "2IN1RPT"}};
constexpr PjlWord kBookletLayouts[] = {{0, "4IN1RIGHT"}, {1, "4IN1"}, {2, "4IN1"}};
constexpr PjlWord kOutputOrders[] = {{1, "FACEDOWN"}, {2, "FACEUP"}};
constexpr PjlWord kDensities[] = {{-2, "1"}, {-1, "2"}, {0, "3"}, {1, "4"}, {2, "5"}};
constexpr PjlWord kPunchPositions[] = {{1, "LEFT"}, {2, "TOP"}, {3, "RIGHT"}};
constexpr PjlWord kPunchHoles[] = {{2, "2"}, {3, "3"}, {4, "4"}};
constexpr PjlFinishWords kCenterFinishes[] = {
    {1, "ON", "ON", "OFF"},    {2, "ON", "OFF", "OFF"},    {3, "ON", "ON", "ON"},   {4, "ON", "OFF", "ON"},
    {5, "ZFOLD", "OFF", "OFF"}, {6, "ZFOLD", "OFF", "OFF"}, {7, "DMFOLD", "OFF", "OFF"},
};
constexpr PjlWord kWaitModes[] = {{1, "PROOF"}, {2, "ON"}};
constexpr PjlWord kSmoothings[] = {{1, "OFF"}, {2, "TYPE1"}, {3, "TYPE2"}, {4, "TYPE3"}};
constexpr PjlMediaWords kMediaTypes[] = {
    {1, "PAPER", "OFF"},   {2, "OHP", "OFF"},   {3, "OHP", "BLANK"}, {4, "OHP", "PRINTED"},
    {5, "THICK", "OFF"},   {6, "THIN", "OFF"},  {7, "2NDORIG", "OFF"}, {8, "TAB", "OFF"},
    {9, "THICK1", "OFF"},  {10, "THICK2", "OFF"}, {128, "USER", "OFF"},
};
constexpr PjlWord kOhpInterleaves[] = {{0, "BLANK"}, {1, "PRINTED"}};
constexpr PjlWord kFeedDirections[] = {{5, "LEF"}, {6, "SEF"}};
constexpr PjlWord kPiTrays[] = {{1, "PITRAY1"}, {2, "PITRAY2"}};
constexpr PjlWord kStoreModes[] = {{1, "STORE"}, {2, "STORENPRINT"}};

constexpr int kMediaNone = 0;
constexpr int kMediaInterleavedTransparency = 127;   // the interleaving comes from lpOhpIntlvType
constexpr WORD kFaceDownBin = 4;                     // this bin delivers face down whatever the order
constexpr WORD kFullBleedPaper = 0x1000;             // paper id bits of the "_F" and "_W" variants
constexpr WORD kWidePaper = 0x2000;
constexpr BYTE kCombineInController = 1;             // lpJobCombType
constexpr BYTE kCombineInEngine = 2;

} // namespace

// The word of value in a map, or null.
template <typename Row, std::size_t N>
static const Row* FindWord(const Row (&rows)[N], int value)
{
    for (const Row& row : rows)
        if (row.value == value)
            return &row;
    return nullptr;
}

static const DEVMODE_ENV_EXTRA& Env(const PjlJob& job)
{
    return job.pdm->dmPrivate.env;
}

// ---- Writing lines -----------------------------------------------------------------------------------

static void Send(const PjlJob& job, const PjlLine& line)
{
    job.pfnWrite(job.pWriteTarget, line.text, static_cast<DWORD>(line.length));
}

// A line of the printer's own text.
static void PjlPut(const PjlJob& job, const char* text)
{
    job.pfnWrite(job.pWriteTarget, text, static_cast<DWORD>(std::strlen(text)));
}

// prefix, the value, and the line end: "@PJL SET COLLATE = " "ON".
static void PjlSetValue(const PjlJob& job, const char* prefix, const char* value)
{
    PjlLine line{{}, 0};
    PjlLinePut(line, prefix);
    PjlLinePutText(line, value);
    PjlLinePut(line, "\n");
    Send(job, line);
}

static void PjlSetNumber(const PjlJob& job, const char* prefix, long value)
{
    PjlLine line{{}, 0};
    PjlLinePut(line, prefix);
    PjlLinePutNumber(line, value);
    PjlLinePut(line, "\n");
    Send(job, line);
}

// prefix and the value between double quotes: "@PJL SET JOBNAME = " and the name.
static void PjlSetQuoted(const PjlJob& job, const char* prefix, const char* value)
{
    PjlLine line{{}, 0};
    PjlLinePut(line, prefix);
    PjlLinePut(line, "\"");
    PjlLinePutText(line, value);
    PjlLinePut(line, "\"\n");
    Send(job, line);
}

// The value's word after prefix, or the row's error comment when the map has no word for the value.
template <std::size_t N>
static void PjlSetWord(const PjlJob& job, const char* prefix, const PjlWord (&words)[N], int value,
                       const char* errorComment)
{
    const PjlWord* word = FindWord(words, value);
    if (word == nullptr) {
        PjlPut(job, errorComment);
        return;
    }
    PjlSetValue(job, prefix, word->word);
}

static void PjlSetWideName(const PjlJob& job, const char* prefix, LPCWSTR name)
{
    char ansi[kNameBytes + 1];
    WideToAnsiText(ansi, sizeof ansi, name, kNameBytes + 1);
    PjlSetValue(job, prefix, ansi);
}

// ---- Conditions shared by several rows ----------------------------------------------------------------

static bool IsStaplingOn(const DEVMODE_ENV_EXTRA& env)
{
    return (env.Layout_Check2 == 1 && env.Staple_Check == 1) || (env.POD_Check == 1 && env.POD_Staple_Check == 1);
}

static bool IsPunchingOn(const DEVMODE_ENV_EXTRA& env)
{
    return (env.Layout_Check2 == 1 && env.Punch_Check == 1) || (env.POD_Check == 1 && env.POD_Punch_Check == 1);
}

static bool IsCenterFinishOn(const DEVMODE_ENV_EXTRA& env)
{
    return (env.Layout_Check2 == 1 && env.Set_CenterFinish_Check == 1) ||
           (env.POD_Check == 1 && env.CenterFinish_Check == 1);
}

// The media-type word: two bytes of the env part that the sheet writes as one signed 16-bit value.
static SHORT MediaTypeOf(const DEVMODE_ENV_EXTRA& env)
{
    SHORT mediaType = 0;
    std::memcpy(&mediaType, reinterpret_cast<const BYTE*>(&env) + offsetof(DEVMODE_ENV_EXTRA, sheetByte2425),
                sizeof mediaType);
    return mediaType;
}

// The pages of a slot of the devmode's page lists, sorted: a devmode from outside may hold them in any order.
static BYTE SortedSlotPages(const PjlJob& job, BYTE slot, WORD (&pages)[kPageSlotCapacity])
{
    BYTE count = 0;
    if (!GetPageSlot(GetPageSlotRecord(&Env(job)), slot, &count, pages))
        return 0;
    SortPageNumbers(pages, count);
    return count;
}

// ---- The option rows ----------------------------------------------------------------------------------

void PjlWriteJobName(const PjlJob& job)
{
    char jobName[kJobNameBytes + 1];
    CutAnsiText(jobName, sizeof jobName, job.pJobName, job.cbJobName, kJobNameBytes);
    char userName[kUserNameBytes + 1];
    WideToAnsiText(userName, sizeof userName, job.pUserName, job.cchUserName);
    PjlSetQuoted(job, "@PJL SET JOBNAME = ", jobName);
    PjlSetQuoted(job, "@PJL SET USERNAME = ", userName);
}

void PjlWriteResolution(const PjlJob& job)
{
    PjlSetNumber(job, "@PJL SET RESOLUTION = ", job.pdm->dmPrivate.dmPublicCopy.dmYResolution);
}

void PjlWriteCopies(const PjlJob& job)
{
    PjlSetNumber(job, "@PJL SET COPIES = ", job.pdm->dmPrivate.dmPublicCopy.dmCopies);
}

void PjlWritePaper(const PjlJob& job)
{
    const SHORT paper = static_cast<SHORT>(job.pdm->dmPrivate.lpOutputPaper);
    PjlSetWideName(job, "@PJL SET PAPER = ", GetPjlPaperName(paper));
}

void PjlWriteOrientation(const PjlJob& job)
{
    PjlSetWord(job, "@PJL SET ORIENTATION = ", kOrientations, job.pdm->dmPrivate.dmPublicCopy.dmOrientation,
               "@PJL COMMENT Error (ORIENTATION):Recieved illegal value. ORIENTATION was not set.\n");
}

void PjlWritePaperTray(const PjlJob& job)
{
    const SHORT tray = static_cast<SHORT>(GetPageTray(job.pdev, job.pdm));
    PjlSetWideName(job, "@PJL SET PAPERTRAY = ", GetPjlTrayName(tray));
}

void PjlWriteJobOffset(const PjlJob& job)
{
    PjlSetWord(job, "@PJL SET JOBOFFSET = ", kOnOff, Env(job).Collate_Check,
               "@PJL COMMENT Error (JOBOFFSET):Recieved illegal value. JOBOFFSET was not set.\n");
}

void PjlWriteCollate(const PjlJob& job)
{
    PjlSetWord(job, "@PJL SET COLLATE = ", kOnOff, Env(job).Sort_Check,
               "@PJL COMMENT Error (SORT):Recieved illegal value. SORT was not set.\n");
}

void PjlWriteOutputBin(const PjlJob& job)
{
    PjlSetWord(job, "@PJL SET OUTPUTBIN = ", kOutputBins, Env(job).lpOutputTray,
               "@PJL COMMENT Error (OUTPUTBIN):Recieved illegal value. OUTPUTBIN was not set.\n");
}

void PjlWriteTimeout(const PjlJob& job)
{
    PjlPut(job, "@PJL SET TIMEOUT = 300 \n");
}

void PjlWriteStaplePosition(const PjlJob& job)
{
    const DEVMODE_ENV_EXTRA& env = Env(job);
    if (!IsStaplingOn(env)) {
        PjlSetValue(job, "@PJL SET STAPLEPOSITION = ", "OFF");
        return;
    }
    PjlSetWord(job, "@PJL SET STAPLEPOSITION = ", kStaplePositions, env.lpStaple,
               "@PJL COMMENT Error (STAPLE):Recieved illegal value. STAPLE was not set.\n");
}

void PjlWriteDuplex(const PjlJob& job)
{
    const DEVMODE_ENV_EXTRA& env = Env(job);
    if (env.Booklet_Check == 1) {
        PjlPut(job, "@PJL SET DUPLEX = ON\n");
        PjlPut(job, "@PJL SET BINDING = SHORTEDGE\n");
        return;
    }
    if (!IsDuplexOn(env)) {
        PjlSetValue(job, "@PJL SET DUPLEX = ", "OFF");
        return;
    }
    switch (job.pdm->dmPrivate.dmPublicCopy.dmDuplex) {
    case DMDUP_SIMPLEX:
        PjlSetValue(job, "@PJL SET DUPLEX = ", "OFF");
        return;
    case DMDUP_VERTICAL:
        PjlSetValue(job, "@PJL SET DUPLEX = ", "ON");
        PjlSetValue(job, "@PJL SET BINDING = ", "LONGEDGE");
        return;
    case DMDUP_HORIZONTAL:
        PjlSetValue(job, "@PJL SET DUPLEX = ", "ON");
        PjlSetValue(job, "@PJL SET BINDING = ", "SHORTEDGE");
        return;
    default:
        PjlPut(job, "@PJL COMMENT Error (DUPLEX):Recieved illegal value. DUPLEX was not set.\n");
        return;
    }
}

static void PjlSetCover(const PjlJob& job, BYTE value, const char* coverPrefix, const char* printPrefix,
                        const char* errorComment)
{
    const PjlCoverWords* words = FindWord(kCovers, value);
    if (words == nullptr) {
        PjlPut(job, errorComment);
        return;
    }
    PjlSetValue(job, coverPrefix, words->cover);
    PjlSetValue(job, printPrefix, words->print);
}

void PjlWriteFrontCover(const PjlJob& job)
{
    PjlSetCover(job, Env(job).lpFrontCover, "@PJL SET FRONTCOVER = ", "@PJL SET FRONTPRINT = ",
                "@PJL COMMENT Error (FRONTCOVER):Recieved illegal value. FRONTCOVER was not set.\n");
}

void PjlWriteBackCover(const PjlJob& job)
{
    PjlSetCover(job, Env(job).lpBackCover, "@PJL SET BACKCOVER = ", "@PJL SET BACKPRINT = ",
                "@PJL COMMENT Error (BACKCOVER):Recieved illegal value. BACKCOVER was not set.\n");
}

void PjlWriteFrontTray(const PjlJob& job)
{
    PjlSetWord(job, "@PJL SET FRONTTRAY = ", kCoverTrays, Env(job).lpFrontCoverTray,
               "@PJL COMMENT Error (FRONTCOVERTRAY):Recieved illegal value. FRONTCOVERTRAY was not set.\n");
}

void PjlWriteBackTray(const PjlJob& job)
{
    PjlSetWord(job, "@PJL SET BACKTRAY = ", kCoverTrays, Env(job).lpBackCoverTray,
               "@PJL COMMENT Error (BACKCOVERTRAY):Recieved illegal value. BACKCOVERTRAY was not set.\n");
}

void PjlWriteLayout(const PjlJob& job)
{
    static constexpr const char* kPrefix = "@PJL SET LAYOUT = ";
    static constexpr const char* kError =
        "@PJL COMMENT Error (Layout):Recieved illegal value. LAYOUT was not set.\n";
    const DEVMODE_ENV_EXTRA& env = Env(job);
    if (env.POD_Check != 1) {
        PjlSetValue(job, kPrefix, "NORMAL");
        return;
    }
    const BYTE onePerSheet = env.POD_OnePerSheet_Check;
    const BYTE booklet = env.POD_Booklet_Check;
    if (onePerSheet == 1 && booklet == 0)
        PjlSetWord(job, kPrefix, kOnePerSheetLayouts, env.lpPOD_OnePerSheet, kError);
    else if (onePerSheet == 0 && booklet == 1)
        PjlSetWord(job, kPrefix, kBookletLayouts, env.lpPOD_Booklet, kError);
    else if (onePerSheet == 1 && booklet == 1)
        PjlPut(job, kError);
    else
        PjlSetValue(job, kPrefix, "NORMAL");
}

void PjlWriteOutputMode(const PjlJob& job)
{
    const DEVMODE_ENV_EXTRA& env = Env(job);
    if (env.lpOutputTray == kFaceDownBin) {
        PjlSetValue(job, "@PJL SET OUTPUTMODE = ", "FACEDOWN");
        return;
    }
    PjlSetWord(job, "@PJL SET OUTPUTMODE = ", kOutputOrders, env.lpOutputOrder,
               "@PJL COMMENT Error (OUTPUTMODE):Recieved illegal value. OUTPUTMODE was not set.\n");
}

void PjlWriteDensity(const PjlJob& job)
{
    PjlSetWord(job, "@PJL SET DENSITY = ", kDensities, static_cast<SHORT>(Env(job).Density),
               "@PJL COMMENT Error (DENSITY):Recieved illegal value. DENSITY was not set.\n");
}

void PjlWritePunch(const PjlJob& job)
{
    const DEVMODE_ENV_EXTRA& env = Env(job);
    if (!IsPunchingOn(env)) {
        PjlSetValue(job, "@PJL SET PUNCH = ", "OFF");
        return;
    }
    PjlSetWord(job, "@PJL SET PUNCH = ", kPunchPositions, env.lpPunch,
               "@PJL COMMENT Error (Punch):Recieved illegal value. PUNCH was not set.\n");
}

void PjlWritePunchHoles(const PjlJob& job)
{
    const DEVMODE_ENV_EXTRA& env = Env(job);
    if (!IsPunchingOn(env))
        return;
    PjlSetWord(job, "@PJL SET PUNCHHOLES = ", kPunchHoles, env.lpPunchHoles,
               "@PJL COMMENT Error (Punch):Recieved illegal value. PUNCHHOLES was not set.\n");
}

void PjlWriteCenterFinish(const PjlJob& job)
{
    const DEVMODE_ENV_EXTRA& env = Env(job);
    static constexpr PjlFinishWords kOff = {0, "OFF", "OFF", "OFF"};
    const PjlFinishWords* words = &kOff;
    if (IsCenterFinishOn(env)) {
        words = FindWord(kCenterFinishes, env.lpCenterFinish);
        if (words == nullptr) {
            PjlPut(job, "@PJL COMMENT Error (Finishing):Recieved illegal value. \n");
            return;
        }
    }
    PjlSetValue(job, "@PJL SET FOLD = ", words->fold);
    PjlSetValue(job, "@PJL SET STITCH = ", words->stitch);
    PjlSetValue(job, "@PJL SET TRIM = ", words->trim);
}

void PjlWriteWait(const PjlJob& job)
{
    const DEVMODE_ENV_EXTRA& env = Env(job);
    if (env.POD_Check != 1 || env.WaitMode_Check != 1) {
        PjlSetValue(job, "@PJL SET WAIT = ", "OFF");
        return;
    }
    PjlSetWord(job, "@PJL SET WAIT = ", kWaitModes, env.lpWaitMode,
               "@PJL COMMENT Error (Wait):Recieved illegal value. WAIT was not set.\n");
}

void PjlWriteSmoothing(const PjlJob& job)
{
    PjlSetWord(job, "@PJL SET SMOOTHING = ", kSmoothings, Env(job).lpSmoothing,
               "@PJL COMMENT Error (SMOOTHING):Recieved illegal value. SMOOTHING was not set.\n");
}

void PjlWriteFullBleed(const PjlJob& job)
{
    const WORD paper = static_cast<WORD>(job.pdm->dmPrivate.dmPublicCopy.dmPaperSize);
    PjlPut(job, (paper & kFullBleedPaper) != 0 ? "@PJL SET FULLBLEED = ON\n" : "@PJL SET FULLBLEED = OFF\n");
}

void PjlWriteWideMode(const PjlJob& job)
{
    const WORD paper = job.pdm->dmPrivate.lpOutputPaper;
    PjlPut(job, (paper & kWidePaper) != 0 ? "@PJL SET WIDEMODE  = ON\n" : "@PJL SET WIDEMODE  = OFF\n");
}

void PjlWriteMediaType(const PjlJob& job)
{
    static constexpr const char* kError =
        "@PJL COMMENT Error (MEDIATYPE):Recieved illegal value. MEDIATYPE was not set.\n";
    const DEVMODE_ENV_EXTRA& env = Env(job);
    const SHORT mediaType = MediaTypeOf(env);
    if (mediaType == kMediaNone)
        return;

    const char* media = nullptr;
    const char* interleave = nullptr;
    if (mediaType == kMediaInterleavedTransparency) {
        const PjlWord* word = FindWord(kOhpInterleaves, env.lpOhpIntlvType);
        media = "OHP";
        interleave = word != nullptr ? word->word : nullptr;
    } else if (const PjlMediaWords* words = FindWord(kMediaTypes, mediaType)) {
        media = words->media;
        interleave = words->interleave;
    }
    // An interleaving the sheet does not offer is as illegal as an unknown media.
    if (media == nullptr || interleave == nullptr) {
        PjlPut(job, kError);
        return;
    }
    PjlSetValue(job, "@PJL SET MEDIATYPE = ", media);
    PjlSetValue(job, "@PJL SET OHPINTERLEAVE = ", interleave);
}

void PjlWriteFeedDirection(const PjlJob& job)
{
    const DEVMODE_ENV_EXTRA& env = Env(job);
    if (env.POD_Check == 1 && env.CenterFinish_Check == 1) {
        if (const PjlWord* word = FindWord(kFeedDirections, env.lpCenterFinish)) {
            PjlSetValue(job, "@PJL SET FEEDDIRECTION = ", word->word);
            return;
        }
    }
    const bool rotated = IsRotatedPaper(static_cast<SHORT>(job.pdm->dmPrivate.lpOutputPaper)) != FALSE;
    PjlSetValue(job, "@PJL SET FEEDDIRECTION = ", job.pdm->dmPrivate.lpPDLType != 0 && rotated ? "SEF" : "AUTO");
}

void PjlWriteChapters(const PjlJob& job)
{
    const DEVMODE_ENV_EXTRA& env = Env(job);
    if (env.POD_Check != 1 || env.Chapter_Check != 1)
        return;
    WORD pages[kPageSlotCapacity] = {};
    const BYTE count = SortedSlotPages(job, kChapterPageSlot, pages);
    if (count == 0)
        return;

    PjlPut(job, "@PJL SET CHAPTERMODE = ON\n");
    PjlLine line{{}, 0};
    PjlLinePut(line, "@PJL SET CHAPTER = ");
    for (BYTE i = 0; i < count; ++i) {
        PjlLinePutNumber(line, pages[i]);
        PjlLinePut(line, i + 1 < count ? "," : "\n");
    }
    Send(job, line);
}

static void PjlSetPaperInsert(const PjlJob& job, BYTE check, WORD tray, const char* prefix)
{
    const PjlWord* word = check == 1 ? FindWord(kPiTrays, tray) : nullptr;
    PjlSetValue(job, prefix, word != nullptr ? word->word : "OFF");
}

void PjlWriteInsertSheets(const PjlJob& job)
{
    const DEVMODE_ENV_EXTRA& env = Env(job);
    PjlSetPaperInsert(job, env.FrontCoverSheet_Check, env.lpFrontPITray, "@PJL SET PIFRONT = ");
    PjlSetPaperInsert(job, env.BackCoverSheet_Check, env.lpBackPITray, "@PJL SET PIBACK = ");

    // The sheet offers only the two insert trays; with any other the printer could not be told where the
    // sheets come from, so inserting is off.
    const PjlWord* tray = FindWord(kPiTrays, env.lpInsertPITray);
    if (env.InsertCoverSheet_Check != 1 || tray == nullptr) {
        PjlPut(job, "@PJL SET INTERMODE = OFF\n");
        return;
    }
    WORD pages[kPageSlotCapacity] = {};
    const BYTE count = SortedSlotPages(job, kInsertPageSlot, pages);

    // The printer counts the sheets it inserts before in its numbers: each page moves by the sides that the
    // page plan inserts before it.
    PjlLine line{{}, 0};
    for (BYTE i = 0; i < count; ++i) {
        const int number = pages[i] + CountInsertedSidesBefore(job.pdev, pages[i]);
        if (number > kMaxInsertSheetNumber) {
            PjlPut(job, i == 0 ? "@PJL SET INTERMODE = OFF\n" : "\n");
            return;
        }
        if (i == 0) {
            PjlPut(job, "@PJL SET INTERMODE = BLANK\n");
            PjlLinePut(line, "@PJL SET INTERSHEET = ");
            PjlLinePut(line, tray->word);
        }
        PjlLinePut(line, ",");
        PjlLinePutNumber(line, number);
        if (i + 1 == count)
            PjlLinePut(line, "\n");
        Send(job, line);
        line.length = 0;
        line.text[0] = '\0';
    }
}

void PjlWriteUserId(const PjlJob& job)
{
    char userId[kStoredTextBytes + 1];
    if (!job.userIdFlag || !GetStoredUserId(&Env(job), userId, sizeof userId))
        return;
    PjlSetValue(job, "@PJL SET USERID = ", userId);
}

void PjlWriteJobId(const PjlJob& job)
{
    const DEVMODE_ENV_EXTRA& env = Env(job);
    char jobId[kStoredTextBytes + 1];
    if (env.JobComb_Check != 1 || env.POD_Check == 0 || !GetStoredJobId(&env, jobId, sizeof jobId))
        return;
    UpperCaseAnsiLetters(jobId);
    PjlSetValue(job, "@PJL SET JOBID = ", jobId);
}

void PjlWriteHoldKey(const PjlJob& job)
{
    const DEVMODE_ENV_EXTRA& env = Env(job);
    char password[kStoredTextBytes + 1];
    if (env.JobComb_Check != 1 && env.Password_Check != 1)
        return;
    if (!GetStoredPassword(&env, password, sizeof password))
        return;
    PjlSetValue(job, "@PJL SET HOLDKEY = ", password);
}

void PjlWriteHold(const PjlJob& job)
{
    const DEVMODE_ENV_EXTRA& env = Env(job);
    if (env.POD_Check != 0 && env.JobComb_Check == 1 && job.jobStorageFlag) {
        const BYTE combine = env.lpJobCombType;
        const char* location = nullptr;
        const PjlWord* type = nullptr;
        if (combine == kCombineInController) {
            location = "CONTROLLER";
            type = FindWord(kStoreModes, env.lpJobModeSpl);
        } else if (combine == kCombineInEngine) {
            location = "ENGINE";
            type = FindWord(kStoreModes, env.lpJobMode);
        }
        if (location == nullptr || type == nullptr)
            return;   // a combination or store mode the printer does not know: the job is not held

        if (combine == kCombineInEngine)
            PjlWriteJobId(job);
        PjlPut(job, "@PJL SET HOLD = ON\n");
        PjlSetValue(job, "@PJL SET HOLDTYPE = ", type->word);
        if (combine == kCombineInEngine)
            PjlWriteHoldKey(job);
        PjlSetValue(job, "@PJL SET HOLDLOC = ", location);
        return;
    }
    if (env.Password_Check == 1 && job.userIdFlag) {
        PjlPut(job, "@PJL SET HOLD = ON\n");
        PjlPut(job, "@PJL SET HOLDTYPE = PRIVATE\n");
        PjlWriteHoldKey(job);
        PjlPut(job, "@PJL SET HOLDLOC = CONTROLLER\n");
        return;
    }
    PjlPut(job, "@PJL SET HOLD = OFF\n");
}

void PjlWriteImageShift(const PjlJob& job)
{
    const DEVMODE_ENV_EXTRA& env = Env(job);
    if (env.POD_Check != 1 || env.ImageShift_Check == 0) {
        PjlSetValue(job, "@PJL SET IMAGESHIFT = ", "OFF");
        return;
    }
    if (env.ImageShift_Check != 1) {
        PjlPut(job, "@PJL COMMENT Error (ImageShift):Recieved illegal value. IMAGESHIFT was not set.\n");
        return;
    }
    PjlSetValue(job, "@PJL SET IMAGESHIFT = ", "ON");
}

void PjlWriteTandem(const PjlJob& job)
{
    const DEVMODE_ENV_EXTRA& env = Env(job);
    const bool force = env.POD_Check == 1 && env.TandemMode_Check == 1;
    PjlPut(job, force ? "@PJL SET TANDEM = FORCE\n" : "@PJL SET TANDEM = OFF\n");
}

void PjlWriteOtherModelOption(const PjlJob& /*job*/)
{
}

// ---- The walk -----------------------------------------------------------------------------------------

void RunPjlOptionRows(PjlJob& job, DWORD phase)
{
    for (std::size_t index = 0; const PJL_OPTION_ENTRY* row = GetPjlOptionRow(index); ++index)
        if (IsPjlOptionRowActive(index, phase))
            row->pfnHandler(job);
}

static void WriteToJobStream(void* pTarget, const char* pData, DWORD cbData)
{
    PdlWrite(static_cast<PDEV*>(pTarget), pData, cbData);
}

void SetOptionPJL(PDEV* pdev)
{
    if (!bValidatePDEV(pdev))
        return;
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    // The context sits right behind the env block, so its wide user name may start at an odd address.
    WCHAR userName[std::extent_v<decltype(JOB_EXTRA_RECORD::szUserName)>];
    std::memcpy(userName, &pContext->szUserName, sizeof userName);
    DWORD nameMatch[std::extent_v<decltype(JOB_EXTRA_RECORD::dwNameMatch)>];
    std::memcpy(nameMatch, &pContext->dwNameMatch, sizeof nameMatch);

    PjlJob job{pdev,
               &pdev->devmode,
               pContext->szDocNameAnsi,
               sizeof pContext->szDocNameAnsi,
               userName,
               std::size(userName),
               /*userIdFlag=*/nameMatch[0] != 0,
               /*jobStorageFlag=*/nameMatch[1] != 0,
               &WriteToJobStream,
               pdev};
    SetOptionPJL(job);
}

void SetOptionPJL(PjlJob& job)
{
    if (job.pdm == nullptr || job.pfnWrite == nullptr)
        return;

    switch (Env(job).lpOutput) {
    case 1: {
        // A fax transmission sends each page once: the printer is told one copy, and the job's own copies
        // come back for the rest of the job.
        const SHORT copies = job.pdm->dmPrivate.dmPublicCopy.dmCopies;
        job.pdm->dmPrivate.dmPublicCopy.dmCopies = 1;
        RunPjlOptionRows(job, kPjlPhaseFax);
        job.pdm->dmPrivate.dmPublicCopy.dmCopies = copies;
        return;
    }
    case 2:
        RunPjlOptionRows(job, kPjlPhasePrint);
        return;
    default:
        PjlPut(job, "@PJL COMMENT Error (SetOptionPJL):Recieved illegal value. PJL is not executed.\n");
        return;
    }
}
