// pjl_text_fuzz.cpp - the texts a job's PJL header carries from outside: the document's job name, the user name,
// the devmode's stored IDs and password, its page lists (read from their keyed text form, as a saved-settings
// file brings them), and the rest of the devmode's env part. Whatever they hold, every line of the header's
// options must stay one line of printable bytes, a quoted value inside its quotes.
//
// Input: a flags byte, the job name, the user name, the page-list text, then bytes laid over the env part.
#include "fuzz/fuzz_world.h"
#include "pdl/vxcmn/vqpdlnt/pjl_options.h"
#include "settings/devmode/devmode_defaults.h"
#include "settings/devmode/devmode_validate.h"
#include "settings/pagelist/page_list_text.h"
#include "settings/pagelist/page_slots.h"
#include "settings/strings/res_library.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

struct PjlWorld {
    RES_MODULE_CELL* pCell = nullptr;
    DRIVER_DEVMODE defaults = {};   // the printer's default devmode, validated as a job settles it
};

PjlWorld& ThePjlWorld()
{
    static PjlWorld world = [] {
        PjlWorld made;
        fuzz::World& base = fuzz::TheWorld();
        made.pCell = OpenResModule();
        fuzz::Check(made.pCell != nullptr, "the resource library");
        fuzz::Check(BuildDefaultDevmodeGfx(made.pCell, &made.defaults, fuzz::kPrinterName) != FALSE,
                    "the default devmode");
        ValidateDevmode(made.pCell, &made.defaults, base.hPrinter);
        return made;
    }();
    return world;
}

void Capture(void* pTarget, const char* pData, DWORD cbData)
{
    static_cast<std::string*>(pTarget)->append(pData, cbData);
}

// Every line: "@PJL ...", printable bytes (code page 932's from 0x80 included), and a quoted value whole.
void CheckLines(const std::string& out)
{
    fuzz::Check(out.empty() || out.back() == '\n', "the header ends its last line", out.substr(0, 200));
    std::size_t start = 0;
    while (start < out.size()) {
        const std::size_t end = out.find('\n', start);
        const std::string line = out.substr(start, end - start);
        start = end + 1;
        fuzz::Check(line.rfind("@PJL", 0) == 0, "a header line is a PJL command", line);
        for (unsigned char c : line)
            fuzz::Check(c >= 0x20 && c != 0x7F, "a header line holds printable bytes only", line);
        const std::size_t quotes = static_cast<std::size_t>(std::count(line.begin(), line.end(), '"'));
        fuzz::Check(quotes == 0 || (quotes == 2 && line.back() == '"'), "a quoted value stays inside its quotes",
                    line);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PjlWorld& world = ThePjlWorld();
    fuzz::Reader in(data, size);
    const std::uint8_t flags = in.Byte();

    char jobName[256];
    std::memset(jobName, 0, sizeof jobName);
    const std::vector<std::uint8_t> name = in.Bytes(in.Byte());
    std::copy(name.begin(), name.end(), jobName);
    WCHAR userName[256] = {};
    const std::vector<std::uint8_t> user = in.Bytes(std::size_t{in.Byte()} * 2);
    std::copy(user.begin(), user.end(), reinterpret_cast<std::uint8_t*>(userName));

    DRIVER_DEVMODE dm = world.defaults;
    DEVMODE_ENV_EXTRA& env = dm.dmPrivate.env;
    // The page lists from their text form; the text is the reader's to cut, and ends where its room does.
    const std::size_t cchText = GetPageListTextSize() / sizeof(WCHAR);
    std::vector<WCHAR> text(cchText + 1, 0);
    const std::vector<std::uint8_t> listBytes = in.Bytes(std::min<std::size_t>(in.Word(), cchText) * 2);
    std::copy(listBytes.begin(), listBytes.end(), reinterpret_cast<std::uint8_t*>(text.data()));
    ReadPageListsText(GetPageSlotRecord(&env), text.data());
    std::vector<WCHAR> written(cchText, 0);
    fuzz::Check(WritePageListsText(GetPageSlotRecord(&env), written.data(), written.size()) != FALSE,
                "the page lists read fit their text form again");

    // The rest of the input over the env part from an offset of its own, then validation as at a job's start.
    const std::size_t offset = in.Word() % sizeof env;
    const std::vector<std::uint8_t> overlay = in.Bytes(std::min(in.left(), sizeof env - offset));
    std::copy(overlay.begin(), overlay.end(), reinterpret_cast<std::uint8_t*>(&env) + offset);
    if (flags & 4)
        ValidateDevmode(world.pCell, &dm, fuzz::TheWorld().hPrinter);

    std::string out;
    PjlJob job = {nullptr, &dm, jobName, sizeof jobName, userName, std::size(userName), (flags & 1) != 0,
                  (flags & 2) != 0, &Capture, &out};
    SetOptionPJL(job);
    CheckLines(out);
    return 0;
}
