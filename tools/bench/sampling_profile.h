#pragma once
// sampling_profile.h - where a program spends its time, by sampling its instruction pointer on the profiling
// timer. The programs here run as 32-bit guests of qemu-user on machines whose kernel cannot start them, where
// perf sees only the emulator's translated code; a sampler inside the guest sees the guest's own functions,
// in the shared libraries too.

#include <cstdio>

// Starts sampling every intervalMicroseconds of the process's CPU time.
void StartSamplingProfile(int intervalMicroseconds = 1000);

// Stops sampling and prints each module's share of the samples, then the functions that held the most samples (their own time, not their callees'),
// named through addr2line where it can be run, else as module and offset.
void StopSamplingProfile(std::FILE* out, int topEntries = 20);
