// seed_maker.cpp - writes the harnesses' seed corpora (seeds/<harness>/): the driver's default devmode and the
// sample document's devmodes through each door, valid escape sequences of a job, real header texts and page
// lists, and registry values as the driver stores them. Run once when a harness's input form changes:
//     fuzz_seed_maker <tests/fuzz/seeds>
#include "fuzz/fuzz_world.h"
#include "settings/devmode/driver_devmode.h"
#include "settings/base/font_sub_node.h"
#include "settings/base/private_escape_codes.h"
#include "tools/sample/sample_job.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::filesystem::path g_out;

void Write(const char* harness, const std::string& name, const Bytes& bytes)
{
    const std::filesystem::path folder = g_out / harness;
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                          static_cast<std::streamsize>(bytes.size()));
}

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Le16(std::uint16_t value) { return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)}; }

Bytes Wide(const std::u16string& text)
{
    Bytes bytes;
    for (char16_t c : text) {
        const Bytes unit = Le16(c);
        bytes.insert(bytes.end(), unit.begin(), unit.end());
    }
    return bytes;
}

Bytes DefaultDevmode()
{
    Bytes dm(kDriverDevmodeSize, 0);
    DocumentPropertiesW(nullptr, fuzz::TheWorld().hPrinter, const_cast<LPWSTR>(fuzz::kPrinterName),
                        reinterpret_cast<PDEVMODEW>(dm.data()), nullptr, DM_OUT_BUFFER);
    return dm;
}

Bytes ForeignDevmode()
{
    Bytes dm(220 + 40, 0x3C);
    DEVMODEW pub = {};
    pub.dmSpecVersion = 0x0401;
    pub.dmSize = 220;
    pub.dmDriverExtra = 40;
    pub.dmFields = DM_COPIES | DM_ORIENTATION | DM_PAPERSIZE;
    pub.dmCopies = 3;
    pub.dmOrientation = DMORIENT_LANDSCAPE;
    pub.dmPaperSize = DMPAPER_LETTER;
    std::memcpy(dm.data(), &pub, sizeof pub);
    return dm;
}

void DevmodeSeeds()
{
    const Bytes own = DefaultDevmode();
    Write("devmode", "default-convert", Cat({{0x00}, own}));
    Write("devmode", "default-convert351", Cat({{0x04}, own}));
    Write("devmode", "default-document-properties", Cat({{0x01}, own}));
    Write("devmode", "default-paper-names", Cat({{2 | (DC_PAPERNAMES - 1) << 2}, own}));
    Write("devmode", "default-resolutions", Cat({{2 | (DC_ENUMRESOLUTIONS - 1) << 2}, own}));
    Write("devmode", "default-job", Cat({{0x03}, own}));
    Write("devmode", "foreign-document-properties", Cat({{0x01}, ForeignDevmode()}));
    Write("devmode", "foreign-job", Cat({{0x03}, ForeignDevmode()}));
    Write("devmode", "none-document-properties", {0x11});
    struct Sample {
        const char* name;
        SampleJobOptions options;
    };
    const Sample samples[] = {
        {"sample-2up", {0, 0, 0, 0, 2}},
        {"sample-4up-landscape", {0, DMORIENT_LANDSCAPE, 0, 0, 4}},
        {"sample-letter-duplex-copies", {DMPAPER_LETTER, 0, 3, DMDUP_VERTICAL, 1}},
        {"sample-a3-16up", {DMPAPER_A3, 0, 0, 0, 16}},
    };
    for (const Sample& sample : samples) {
        const std::vector<BYTE> dm = SampleJobDevmode(fuzz::kPrinterName, sample.options);
        Write("devmode", std::string(sample.name) + "-job", Cat({{0x03}, Bytes(dm.begin(), dm.end())}));
        Write("devmode", std::string(sample.name) + "-document-properties",
              Cat({{0x01}, Bytes(dm.begin(), dm.end())}));
    }
}

// An escape step of a known code (by its index in the harness's table) with its own sizes and the bytes.
Bytes Known(std::uint8_t index, const Bytes& input = {}) { return Cat({{0, 0, index}, input}); }

constexpr std::uint8_t kStartDoc = 1, kStartPage = 2, kDraw = 3, kEndPage = 4, kEndDoc = 5;

void EscapeSeeds()
{
    // Indices into the harness's table of known codes.
    constexpr std::uint8_t kUserName = 2, kAppName = 7, kFaxJob = 8, kDocName = 21, kEndOfJob = 27,
                           kFontSubst = 42, kSetDevmode = 44, kBeginAdditions = 46, kEndAdditions = 45,
                           kGetDevmode = 49, kJobSettings = 0;
    const Bytes page = {kStartPage, kDraw, kEndPage};
    Write("escape", "plain-job", Cat({{kStartDoc}, page, page, Known(kEndOfJob), {kEndDoc}}));
    Write("escape", "names-then-job",
          Cat({Known(kUserName, Wide(u"suzuki")), Bytes(510 - 12, 0), Known(kAppName, Wide(u"Writer")),
               Bytes(64 - 12, 0), {kStartDoc}, Known(kDocName, Wide(u"Quarterly report")), Bytes(520 - 32, 0),
               page, Known(kEndOfJob), {kEndDoc}}));
    FONT_SUB_NODE node = {};
    std::memcpy(node.szTrueTypeFace, u"Arial", 10);
    std::memcpy(node.szDeviceFont, u"Arial", 10);
    Bytes nodeBytes(sizeof node);
    std::memcpy(nodeBytes.data(), &node, sizeof node);
    Write("escape", "font-substitution",
          Cat({{kStartDoc}, {0, 0, kFontSubst, 0}, nodeBytes, page, Known(kEndOfJob), {kEndDoc}}));
    Write("escape", "devmode-round-trip",
          Cat({Known(kGetDevmode), Known(kSetDevmode, DefaultDevmode()), {kStartDoc}, page, {kEndDoc}}));
    Write("escape", "page-additions",
          Cat({{kStartDoc, kStartPage}, Known(kBeginAdditions, {2, 0, 0, 0}), {kDraw}, Known(kEndAdditions),
               {kEndPage, kEndDoc}}));
    Write("escape", "fax-state-zero", Cat({Known(kJobSettings), Known(kFaxJob, Bytes(1972, 0)), {kStartDoc},
                                           page, {kEndDoc}}));
    Write("escape", "raw-page-plan", Cat({{kStartDoc}, {0, 1 | 2 << 1, 0x05, 16, 0, 0, 0}, Bytes(16, 1), page,
                                          {kEndDoc}}));
}

// A PJL text input: flags, the job name, the user name, the page-list text, the env offset and its bytes.
Bytes PjlInput(std::uint8_t flags, const std::string& job, const std::u16string& user, const std::u16string& pages,
               std::uint16_t offset = 0, const Bytes& overlay = {})
{
    return Cat({{flags, static_cast<std::uint8_t>(job.size())}, Bytes(job.begin(), job.end()),
                {static_cast<std::uint8_t>(user.size())}, Wide(user), Le16(static_cast<std::uint16_t>(pages.size())),
                Wide(pages), Le16(offset), overlay});
}

void PjlSeeds()
{
    Write("pjl_text", "plain", PjlInput(4, "Report.txt", u"suzuki", u""));
    Write("pjl_text", "chapters-and-inserts", PjlInput(4, "Manual", u"tanaka", u"2,4,6-10/P7,9"));
    Write("pjl_text", "japanese-names", PjlInput(4, "\x95\xf1\x8d\x90\x8f\x91", u"\u9234\u6728", u"1-3"));
    Write("pjl_text", "control-bytes", PjlInput(0, "a\"b\nc\x7f", u"x\u0009y\"", u"5"));
    // The user ID (env +79), with the flag that sends it.
    Write("pjl_text", "user-id", PjlInput(5, "Job", u"user", u"", 79, Wide(u"U1234")));
    // Job combining with a job ID (env +692: JobComb_Check, +694: JobId) and POD on (+676).
    Bytes combine = Cat({{1, 0}, Wide(u"ab12")});
    Write("pjl_text", "job-id", PjlInput(6, "Job", u"user", u"", 692, combine));
}

// A registry input's value: selector, type, size and bytes.
Bytes Value(std::uint8_t which, std::uint8_t type, const Bytes& bytes)
{
    return Cat({{which, type}, Le16(static_cast<std::uint16_t>(bytes.size())), bytes});
}

void RegistrySeeds()
{
    const Bytes own = DefaultDevmode();
    constexpr std::uint8_t kBinary = 3, kDword = 4;
    for (std::uint8_t action = 0; action < 4; ++action) {
        const std::string suffix = "-action" + std::to_string(action);
        Write("registry", "printer-devmode" + suffix, Cat({{static_cast<std::uint8_t>(action << 3)},
                                                          Value(0, kBinary, own)}));
        Bytes size(44, 0);
        size[0] = 1;
        Write("registry", "custom-size" + suffix,
              Cat({{static_cast<std::uint8_t>(action << 3 | 1)}, Value(1 | 1 << 2, kBinary, size),
                   Value(2, kDword, {0x02, 0x04, 0, 0})}));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seed_maker <seeds folder>\n");
        return 2;
    }
    g_out = argv[1];
    DevmodeSeeds();
    EscapeSeeds();
    PjlSeeds();
    RegistrySeeds();
    return 0;
}
