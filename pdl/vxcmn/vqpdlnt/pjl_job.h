#pragma once
// pjl_job.h - what the job options read and where their lines go: the job's devmode (the device record's
// copy), the names and flags of the writer's job context, and the writer's output.

#include "settings/devmode/driver_devmode.h"

#include <cstddef>

struct PDEV;

// Passes n bytes of the job header on to the writer's output.
typedef void (*PFN_PJL_WRITE)(void* pTarget, const char* pData, DWORD cbData);

struct PjlJob {
    PDEV* pdev;                  // the job's device record: the page plan answers for it (may be null)
    DRIVER_DEVMODE* pdm;         // the job's devmode; a fax run changes its copies while the rows run
    const char* pJobName;        // the context's ANSI job name field of cbJobName bytes, maybe unterminated
    std::size_t cbJobName;
    const WCHAR* pUserName;      // the context's user name, cchUserName units, maybe unterminated; an aligned
                                 // copy, as the context's own field may sit at an odd address
    std::size_t cchUserName;
    bool userIdFlag;             // the stored-name escape found the user's identity: user ID and private hold
    bool jobStorageFlag;         // the same escape's flag for storing the job
    PFN_PJL_WRITE pfnWrite;
    void* pWriteTarget;
};
