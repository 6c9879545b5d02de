#pragma once
// job_settings_record.h - the devmode inside a JOB_SETTINGS_RECORD, the first 9,075 bytes of the graphics
// module's device record that the interface module fetches by private escape while a job prints.

#include "settings/base/private_escape_codes.h"
#include "settings/devmode/driver_devmode.h"

constexpr DWORD kJobSettingsRecordSize = 9075;
static_assert(kEscJobSettingsOut == kJobSettingsRecordSize, "the escape hands out the whole record");
constexpr DWORD kJobDevmodeOffset = 6460;      // the device record's copy of the devmode starts here
constexpr DWORD kJobEnvOffsetWord = 6452;      // u16: offset of that copy's DEVMODE_ENV_EXTRA in the record

// The private part of the record's devmode copy (record offset 6,680); null for a null record.
PRIVATE_DEVMODE* GetJobDevmodePrivate(BYTE* pRecord);

// The DEVMODE_ENV_EXTRA of the record's devmode copy, found through the offset word at record offset 6,452;
// null for a null record or when that word would put the block outside the record.
DEVMODE_ENV_EXTRA* GetJobSubRecord(BYTE* pRecord);
