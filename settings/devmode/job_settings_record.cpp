// job_settings_record.cpp - finding the devmode inside a JOB_SETTINGS_RECORD.
#include "settings/devmode/job_settings_record.h"

#include <cstring>

PRIVATE_DEVMODE* GetJobDevmodePrivate(BYTE* pRecord)
{
    if (pRecord == nullptr)
        return nullptr;
    return reinterpret_cast<PRIVATE_DEVMODE*>(pRecord + kJobDevmodeOffset + kPublicDevmodeSize);
}

DEVMODE_ENV_EXTRA* GetJobSubRecord(BYTE* pRecord)
{
    if (pRecord == nullptr)
        return nullptr;
    WORD envOffset = 0;
    std::memcpy(&envOffset, pRecord + kJobEnvOffsetWord, sizeof envOffset);
    // The record comes from the other module; its offset word is checked before it is followed.
    if (envOffset > kJobSettingsRecordSize - sizeof(DEVMODE_ENV_EXTRA))
        return nullptr;
    return reinterpret_cast<DEVMODE_ENV_EXTRA*>(pRecord + envOffset);
}
