// sampling_profile.cpp - a SIGPROF sampler of the instruction pointer, and its report by function.
#include "sampling_profile.h"

#include <dlfcn.h>
#include <elf.h>
#include <signal.h>
#include <sys/time.h>
#include <ucontext.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr size_t kMaxSamples = 1u << 20;

uintptr_t g_samples[kMaxSamples];
std::atomic<size_t> g_count{0};

void OnProfileTick(int, siginfo_t*, void* context)
{
    const auto* uc = static_cast<const ucontext_t*>(context);
    const size_t at = g_count.fetch_add(1, std::memory_order_relaxed);
    if (at < kMaxSamples)
        g_samples[at] = static_cast<uintptr_t>(uc->uc_mcontext.gregs[REG_EIP]);
}

struct Place {
    std::string module;    // the file the address lies in
    uintptr_t offset = 0;  // from the module's load address
};

Place PlaceOf(uintptr_t address)
{
    Dl_info info = {};
    if (dladdr(reinterpret_cast<void*>(address), &info) == 0 || info.dli_fname == nullptr)
        return {"?", address};
    // A position-independent file's addresses count from where it was loaded; a fixed one's are its own.
    const auto* header = static_cast<const Elf32_Ehdr*>(info.dli_fbase);
    const uintptr_t base = header->e_type == ET_DYN ? reinterpret_cast<uintptr_t>(info.dli_fbase) : 0;
    return {info.dli_fname, address - base};
}

// The function names of the offsets in one module, from addr2line; empty when it cannot be run.
std::vector<std::string> NamesIn(const std::string& module, const std::vector<uintptr_t>& offsets)
{
    std::vector<std::string> names;
    if (module == "?" || offsets.empty())
        return names;
    std::string command = "addr2line -f -C -e '" + module + "'";
    for (const uintptr_t offset : offsets)
        command += " 0x" + [&] {
            char digits[20];
            std::snprintf(digits, sizeof digits, "%lx", static_cast<unsigned long>(offset));
            return std::string(digits);
        }();
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (pipe == nullptr)
        return names;
    char line[4096];
    bool functionLine = true;
    while (std::fgets(line, sizeof line, pipe.get()) != nullptr) {
        if (functionLine) {
            std::string text(line);
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
                text.pop_back();
            names.push_back(text);
        }
        functionLine = !functionLine;   // each address answers its function, then its file and line
    }
    if (names.size() != offsets.size())
        names.clear();
    return names;
}

std::string ShortModule(const std::string& module)
{
    const size_t slash = module.rfind('/');
    return slash == std::string::npos ? module : module.substr(slash + 1);
}

} // namespace

void StartSamplingProfile(int intervalMicroseconds)
{
    g_count = 0;
    struct sigaction action = {};
    action.sa_sigaction = OnProfileTick;
    action.sa_flags = SA_SIGINFO | SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGPROF, &action, nullptr);
    itimerval timer = {};
    timer.it_interval.tv_usec = intervalMicroseconds;
    timer.it_value.tv_usec = intervalMicroseconds;
    setitimer(ITIMER_PROF, &timer, nullptr);
}

void StopSamplingProfile(std::FILE* out, int topEntries)
{
    itimerval off = {};
    setitimer(ITIMER_PROF, &off, nullptr);
    signal(SIGPROF, SIG_IGN);
    const size_t count = std::min(g_count.load(), kMaxSamples);
    if (count == 0) {
        std::fprintf(out, "profile: no samples\n");
        return;
    }

    // Samples by module and offset, then each module's offsets named at once.
    std::map<std::string, std::map<uintptr_t, size_t>> byModule;
    for (size_t i = 0; i < count; ++i) {
        const Place place = PlaceOf(g_samples[i]);
        ++byModule[place.module][place.offset];
    }
    std::map<std::string, size_t> byFunction;
    std::vector<std::pair<size_t, std::string>> moduleTotals;
    for (const auto& [module, offsets] : byModule) {
        size_t total = 0;
        for (const auto& entry : offsets)
            total += entry.second;
        moduleTotals.emplace_back(total, ShortModule(module));
        std::vector<uintptr_t> keys;
        for (const auto& entry : offsets)
            keys.push_back(entry.first);
        const std::vector<std::string> names = NamesIn(module, keys);
        size_t i = 0;
        for (const auto& [offset, samples] : offsets) {
            std::string name = i < names.size() && names[i] != "??" ? names[i] : "";
            if (name.empty()) {
                char digits[20];
                std::snprintf(digits, sizeof digits, "+0x%lx", static_cast<unsigned long>(offset));
                name = digits;
            }
            byFunction[name + "  [" + ShortModule(module) + "]"] += samples;
            ++i;
        }
    }
    std::vector<std::pair<size_t, std::string>> ranked;
    for (const auto& [name, samples] : byFunction)
        ranked.emplace_back(samples, name);
    std::sort(ranked.rbegin(), ranked.rend());
    std::sort(moduleTotals.rbegin(), moduleTotals.rend());
    std::fprintf(out, "profile: %zu samples, own time per module\n", count);
    for (const auto& [samples, module] : moduleTotals)
        std::fprintf(out, "  %5.1f%%  %s\n", 100.0 * static_cast<double>(samples) / static_cast<double>(count),
                     module.c_str());
    std::fprintf(out, "own time per function\n");
    for (int i = 0; i < topEntries && i < static_cast<int>(ranked.size()); ++i)
        std::fprintf(out, "  %5.1f%%  %s\n", 100.0 * static_cast<double>(ranked[i].first) / static_cast<double>(count),
                     ranked[i].second.c_str());
}
