#pragma once
// private_escape_codes.h - the private escapes through which the interface module's document events reach the
// graphics module while a job prints (ExtEscape on the application's device context). Both modules compile
// these in: a code, its sizes and its meaning are the protocol between them, so none may change alone.
//
// Each code's input and output sizes stand beside it (kEsc...In, ...Out, ...Bytes for both); a code without
// one takes no data. The graphics module accepts a code of the first family only with exactly these sizes
// (and the input and output pointers that go with them); it answers 1 when done and 0 when it could not act,
// and it refuses (0) a code sent with other sizes.

#include "win/windef.h"

// Job records, identity and control (0x6FFFFF00-0x6FFFFF07).
constexpr ULONG ESC_GET_JOB_SETTINGS = 0x6FFFFF00;
constexpr ULONG kEscJobSettingsOut = 9075;              // JOB_SETTINGS_RECORD
constexpr ULONG ESC_GET_JOB_EXTRA = 0x6FFFFF01;
constexpr ULONG kEscJobExtraOut = 28108;                // JOB_EXTRA_RECORD
constexpr ULONG ESC_SET_USER_NAME = 0x6FFFFF02;
constexpr ULONG kEscUserNameIn = 510;                   // at most 255 characters
constexpr ULONG ESC_SET_CANCEL_JOB = 0x6FFFFF03;
constexpr ULONG kEscCancelJobIn = 1;                    // the cancel byte
constexpr ULONG ESC_DROP_FORM_OVERLAY = 0x6FFFFF04;     // no data
constexpr ULONG ESC_SET_USER_PAPER_SIZES = 0x6FFFFF05;
constexpr ULONG kEscUserPaperSizesIn = 80;              // the ten user-defined paper sizes
constexpr ULONG ESC_SET_JOB_BYTE = 0x6FFFFF06;
constexpr ULONG kEscJobByteIn = 1;
constexpr ULONG ESC_SET_APP_NAME = 0x6FFFFF07;
constexpr ULONG kEscAppNameIn = 64;                     // at most 32 characters

// The fax job (0x6FFFFE00-0x6FFFFE1D) and the end of every job.
constexpr ULONG ESC_SET_FAX_JOB = 0x6FFFFE00;
constexpr ULONG kEscFaxJobIn = 1972;                    // FAX_JOB_STATE
constexpr ULONG ESC_GET_PHONEBOOK_ID = 0x6FFFFE02;
constexpr ULONG kEscPhoneBookIdOut = 4;
constexpr ULONG ESC_CLEAR_PHONEBOOK_ID = 0x6FFFFE03;    // no data
constexpr ULONG ESC_SET_PHONEBOOK = 0x6FFFFE04;
constexpr ULONG kEscPhoneBookIn = 18004;                // a u32 row count and 100 rows of 180 bytes
constexpr ULONG ESC_SET_FAX_VALUE_FIRST = 0x6FFFFE05;
constexpr ULONG kEscFaxValueIn = 4;                     // each of 0x6FFFFE05 to 0x6FFFFE09
constexpr ULONG ESC_SET_FAX_VALUE_LAST = 0x6FFFFE09;
constexpr ULONG ESC_SET_FAX_PATH = 0x6FFFFE0A;
constexpr ULONG kEscPathBytes = 520;                    // a path or name of at most 259 characters
constexpr ULONG ESC_START_TRANSMISSION = 0x6FFFFE0C;
constexpr ULONG kEscTransmissionKindIn = 1;
constexpr ULONG ESC_RESET_TRANSMISSION = 0x6FFFFE0D;    // no data
constexpr ULONG ESC_GET_DOC_NAME = 0x6FFFFE0E;          // out kEscPathBytes
constexpr ULONG ESC_SET_DOC_NAME = 0x6FFFFE0F;          // in kEscPathBytes
constexpr ULONG ESC_GET_FAX_STATUS = 0x6FFFFE10;
constexpr ULONG kEscFaxStatusOut = 16;
constexpr ULONG ESC_SET_DATE_STAMP = 0x6FFFFE11;
constexpr ULONG kEscDateStampBytes = 10;                // five u16, in and out, also 0x6FFFFE14 and 0x6FFFFE18
constexpr ULONG ESC_CLEAR_PHONEBOOK = 0x6FFFFE12;       // no data
constexpr ULONG ESC_GET_PHONEBOOK_TEXT = 0x6FFFFE13;
constexpr ULONG kEscPhoneBookTextOut = 88;              // 44 UTF-16 units
constexpr ULONG ESC_GET_DATE_STAMP = 0x6FFFFE14;        // out kEscDateStampBytes
constexpr ULONG ESC_END_OF_JOB = 0x6FFFFE15;            // no data: the job may end with its closing UEL
constexpr ULONG ESC_CLEAR_TEMP_NAME = 0x6FFFFE16;
constexpr ULONG kEscTempNameIndexIn = 2;                // u16 index
constexpr ULONG ESC_CLEAR_EXTRA_TEMP_NAME = 0x6FFFFE17; // no data
constexpr ULONG ESC_SET_DATE_STAMP2 = 0x6FFFFE18;       // in kEscDateStampBytes
constexpr ULONG ESC_SET_TEMP_DIR = 0x6FFFFE19;          // in kEscPathBytes
constexpr ULONG ESC_SET_TEMP_NAME = 0x6FFFFE1A;
constexpr ULONG kEscIndexedTempNameIn = 64;             // u32 index, then a kEscTempNameIn-byte name
constexpr ULONG ESC_SET_EXTRA_TEMP_NAME = 0x6FFFFE1B;
constexpr ULONG kEscTempNameIn = 60;                    // a name of at most 29 characters
constexpr ULONG ESC_GET_FAX_BLOCK = 0x6FFFFE1C;
constexpr ULONG kEscFaxBlockBytes = 48;                 // in and out, also 0x6FFFFE1D
constexpr ULONG ESC_SET_FAX_BLOCK = 0x6FFFFE1D;         // in kEscFaxBlockBytes

// The page plan's insert sheets and tab texts (0x6FFFFD00-0x6FFFFD13). The first four keep their data only
// until the plan is built; the tab texts live from ESC_SET_TAB_COUNT to ESC_FREE_TAB_RECORDS.
constexpr ULONG ESC_SET_INSERT_SHEETS = 0x6FFFFD00;     // in 1 to 60,928: INTERSHEET_ENTRY records, after the count
constexpr ULONG ESC_SET_INSERT_COUNT = 0x6FFFFD01;      // in 4: the number of entries
constexpr ULONG ESC_SET_INDEX_PAPER = 0x6FFFFD02;       // in 1 to 8: the insert paper (INDEX_PAPER_SETTINGS)
constexpr ULONG ESC_SET_INSERT_LIST_VALUE = 0x6FFFFD03; // in 4: 0 gives inserted sheets a blank back
constexpr ULONG ESC_GET_TAB_SHEETS_BEFORE = 0x6FFFFD04; // in and out kEscTabIndexBytes
constexpr ULONG kEscTabIndexBytes = 2;                  // u16: an index in, the tab sheets before its one out
constexpr ULONG ESC_BEGIN_TAB_PAGES = 0x6FFFFD05;       // no data: drawing goes into the tab capture
constexpr ULONG ESC_END_TAB_PAGES = 0x6FFFFD06;         // no data
constexpr ULONG kEscPlanValueBytes = 4;                 // u32: a count, a flag or a tab number, in or out
constexpr ULONG ESC_SET_TAB_COUNT = 0x6FFFFD08;         // in: 1 to 128 tab records
constexpr ULONG ESC_GET_TAB_COUNT = 0x6FFFFD09;         // out
constexpr ULONG ESC_HAS_TAB_RECORDS = 0x6FFFFD0A;       // out: 1 or 0
constexpr ULONG ESC_FREE_TAB_RECORDS = 0x6FFFFD0B;      // no data
constexpr ULONG ESC_SET_TAB_SIDE = 0x6FFFFD0C;          // no data: the capture becomes the front's version
constexpr ULONG ESC_SET_TAB_SIDE_BACK = 0x6FFFFD0D;     // no data: the capture becomes the back's version
constexpr ULONG ESC_SET_TABS_DONE = 0x6FFFFD0E;         // no data
constexpr ULONG ESC_GET_TABS_DONE = 0x6FFFFD0F;         // out
constexpr ULONG ESC_GET_IMAGE_OFFSET = 0x6FFFFD10;
constexpr ULONG kEscImageOffsetOut = 8;                 // x, y of the side's image origin, 1/100 mm
constexpr ULONG ESC_SET_TAB_VALUE = 0x6FFFFD11;         // in: the current tab record's tab number
constexpr ULONG ESC_NEXT_TAB = 0x6FFFFD12;              // no data
constexpr ULONG ESC_REBUILD_PAGE_PLAN = 0x6FFFFD13;     // no data

// Job queries.
constexpr ULONG ESC_COMPARE_STORED_NAME = 0x6FFFFC00;   // no data: is the devmode's stored user the job's?
constexpr ULONG ESC_GET_JOB_VALUES = 0x6FFFFC01;
constexpr ULONG kEscJobValuesOut = 10;
constexpr ULONG ESC_GET_OUTPUT_METHOD = 0x6FFFFC02;
constexpr ULONG kEscOutputMethodOut = 1;

// The holding file of the paperless capture.
constexpr ULONG ESC_CLEAR_ECO_PATH = 0x6FFFFB00;        // no data
constexpr ULONG ESC_SET_ECO_PATH = 0x6FFFFB01;          // in kEscPathBytes

// The second family, answered by the engine whatever the sizes, within the bounds each gives.
constexpr ULONG ESC_PROBE = 0x7FFFFFF7;                 // anything: answers 1
constexpr ULONG ESC_SET_FONT_SUBST = 0x7FFFFFF8;        // in: n x kEscFontSubstNodeIn
constexpr ULONG kEscFontSubstNodeIn = 132;              // one FONT_SUB_NODE record
constexpr ULONG ESC_CLEAR_BAND = 0x7FFFFFF9;            // no data
constexpr ULONG ESC_SET_DEVMODE = 0x7FFFFFFA;
constexpr ULONG kEscDevmodeBytes = 2615;                // DRIVER_DEVMODE, in and out (also 0x7FFFFFFF)
constexpr ULONG ESC_END_PAGE_ADDITIONS = 0x7FFFFFFB;    // no data
constexpr ULONG ESC_BEGIN_PAGE_ADDITIONS = 0x7FFFFFFC;  // in: at least 1 byte, the first the drawing mode
constexpr ULONG kEscPageAdditionsIn = 4;                // as the interface module sends it
constexpr ULONG ESC_GET_PAGE_COUNT = 0x7FFFFFFD;        // no data: answers the pages begun
constexpr ULONG ESC_GET_ORIENTATION = 0x7FFFFFFE;       // no data: answers 1 portrait or 2 landscape
constexpr ULONG ESC_GET_DEVMODE = 0x7FFFFFFF;           // out kEscDevmodeBytes
