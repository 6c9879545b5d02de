// replay_test.cpp - a harness run over its checked-in seeds and the minimised inputs of every finding fixed so
// far, in the ordinary sanitized build: what once crashed or broke a promise must stay mended. A broken promise
// aborts the program, so the input in hand is named on stderr before it runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputsIn(const char* folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

void Replay(const char* folder)
{
    for (const auto& file : InputsIn(folder)) {
        std::fprintf(stderr, "replaying %s\n", file.c_str());
        std::ifstream in(file, std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
}

TEST(FuzzReplay, SeedsRunClean)
{
    const auto seeds = InputsIn(QN_FUZZ_SEEDS);
    EXPECT_FALSE(seeds.empty()) << "every harness has a seed corpus: " << QN_FUZZ_SEEDS;
    Replay(QN_FUZZ_SEEDS);
}

TEST(FuzzReplay, FixedFindingsStayFixed)
{
    Replay(QN_FUZZ_REGRESSIONS);
}

} // namespace
