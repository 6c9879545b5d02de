#pragma once
// fax_context.h - the fax job's part of the writer's context, set and read through these functions only: the
// phone book, the fax values, the transmissions, the document name, the date stamp, the temporary names and
// the page-state block that goes back and forth around a cover page. Texts are whole fields, kept as given.

#include "customnt/vqddigfx/pdev.h"

constexpr DWORD kFaxTempNames = 100;          // the context's temporary names, by index
constexpr DWORD kPhoneBookRows = 100;
constexpr DWORD kPhoneBookRowSize = 180;
constexpr DWORD kPhoneBookTextSize = 44;      // each of a row's four ANSI texts
constexpr DWORD kFaxValues = 5;               // first and end recipient, the total, the group count, the group

// The phone book: kPhoneBookSize bytes, a u32 row count and then the rows, kept as they are.
void PdlSetPhoneBook(PDEV* pdev, const BYTE* pBook);

// The phone book's row count as stored (not bounded by kPhoneBookRows).
DWORD PdlGetPhoneBookRows(PDEV* pdev);

// Sets the row count to 0; the rows stay.
void PdlClearPhoneBook(PDEV* pdev);

// The first recipient's name: the second text of the first row, kPhoneBookTextSize ANSI bytes, terminated.
void PdlGetFirstRecipientName(PDEV* pdev, char (&name)[kPhoneBookTextSize + 1]);

// One of the kFaxValues fax values, by its place in code order; a place beyond them is ignored.
void PdlSetFaxValue(PDEV* pdev, DWORD index, DWORD value);

// What the fax capture holds goes to the transmission that is ending; the next one, of this kind (1 or 2;
// anything else is 0), starts.
void PdlStartTransmission(PDEV* pdev, BYTE kind);

// The next transmission is a job of its own: its header, sheets, page additions, tone table, page state,
// fonts and drawing slots start afresh.
void PdlResetTransmission(PDEV* pdev);

// A document is open (between DrvStartDoc and DrvEndDoc).
BOOL PdlIsDocumentOpen(PDEV* pdev);

// The job header has been written.
BOOL PdlIsJobHeaderWritten(PDEV* pdev);

// The document name, 260 characters with the terminator.
void PdlGetDocName(PDEV* pdev, WCHAR (&name)[260]);
void PdlSetDocName(PDEV* pdev, const WCHAR (&name)[260]);

// The fax date stamp, five 16-bit values.
void PdlGetFaxDateStamp(PDEV* pdev, WORD (&stamp)[5]);
void PdlSetFaxDateStamp(PDEV* pdev, const WORD (&stamp)[5]);

// The folder of the fax files.
void PdlSetFaxTempDir(PDEV* pdev, const WCHAR (&dir)[260]);

// The temporary name of that index (below kFaxTempNames; any other index is ignored), and the extra one;
// clearing leaves an empty name.
void PdlSetFaxTempName(PDEV* pdev, DWORD index, const WCHAR (&name)[30]);
void PdlClearFaxTempName(PDEV* pdev, DWORD index);
void PdlSetExtraTempName(PDEV* pdev, const WCHAR (&name)[30]);
void PdlClearExtraTempName(PDEV* pdev);

// The 48-byte page-state block, which a cover page takes away and gives back.
void PdlGetPageStateBlock(PDEV* pdev, BYTE (&block)[48]);
void PdlSetPageStateBlock(PDEV* pdev, const BYTE (&block)[48]);
