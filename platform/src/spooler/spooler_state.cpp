// spooler_state.cpp - the printer table, the printer handles and the reset at each new world.
#include "spooler/spooler_state.h"
#include "common/handles.h"
#include "common/text_util.h"
#include "common/world_state.h"

#include <vector>

namespace platform::spooler {
namespace {

struct Spooler {
    std::mutex mutex;
    std::vector<std::shared_ptr<const Printer>> printers;
    HandleTable<PrinterHandle> handles{kPrinterHandleBase};
    DWORD lastJobId = 0;
};

Spooler& TheSpooler()
{
    static Spooler* spooler = new Spooler();   // never destroyed: modules may still call in at process exit
    return *spooler;
}

// A new world has no printers; the handles of the old one are forgotten and their open spool files closed.
void ResetSpooler()
{
    Spooler& spooler = TheSpooler();
    std::lock_guard lock(spooler.mutex);
    spooler.handles.Clear();
    spooler.printers.clear();
    spooler.lastJobId = 0;
}

const bool kResetRegistered = (OnWorldReset(ResetSpooler), true);

} // namespace

std::unique_lock<std::mutex> LockSpooler()
{
    return std::unique_lock(TheSpooler().mutex);
}

std::shared_ptr<const Printer> FindPrinter(std::u16string_view name)
{
    for (const auto& printer : TheSpooler().printers)
        if (EqualsNoCase(printer->name, name))
            return printer;
    return nullptr;
}

void AddPrinter(Printer printer)
{
    auto& printers = TheSpooler().printers;
    auto record = std::make_shared<const Printer>(std::move(printer));
    for (auto& existing : printers) {
        if (EqualsNoCase(existing->name, record->name)) {
            existing = std::move(record);
            return;
        }
    }
    printers.push_back(std::move(record));
}

HANDLE AddPrinterHandle(std::shared_ptr<const Printer> printer)
{
    auto handle = std::make_shared<PrinterHandle>();
    handle->printer = std::move(printer);
    return TheSpooler().handles.Add<HANDLE>(std::move(handle));
}

std::shared_ptr<PrinterHandle> FindPrinterHandle(HANDLE hPrinter)
{
    return TheSpooler().handles.Find(hPrinter);
}

bool RemovePrinterHandle(HANDLE hPrinter)
{
    return TheSpooler().handles.Remove(hPrinter) != nullptr;
}

DWORD ActiveJobCount(const Printer& printer)
{
    DWORD count = 0;
    TheSpooler().handles.ForEach([&](const std::shared_ptr<PrinterHandle>& handle) {
        if (handle->job != nullptr && EqualsNoCase(handle->printer->name, printer.name))
            ++count;
    });
    return count;
}

DWORD NextJobId()
{
    return ++TheSpooler().lastJobId;
}

std::u16string PrinterKeyPath(std::u16string_view printerName)
{
    return u"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\" + std::u16string(printerName);
}

std::filesystem::path SpoolFolder(std::u16string_view printerName)
{
    // A printer name may hold characters a host file name cannot: '/' would open a sub-folder, and a
    // leading '.' could name the folder itself or its parent.
    std::u16string folder(printerName);
    for (char16_t& c : folder)
        if (c == u'/' || c == u'\0')
            c = u'_';
    if (!folder.empty() && folder.front() == u'.')
        folder.front() = u'_';
    return WorldRootPath() / "spool" / Utf16ToUtf8(folder);
}

} // namespace platform::spooler
