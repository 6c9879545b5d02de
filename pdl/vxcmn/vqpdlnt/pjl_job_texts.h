#pragma once
// pjl_job_texts.h - the texts that go into PJL lines (names, user ID, job ID, password): read from bounded
// fields, converted to the ANSI code page (932) without splitting a double-byte character, and cleaned so
// that no text can end its value or its line.

#include "settings/devmode/driver_devmode.h"

#include <cstddef>

// Replaces every '"', every byte below 0x20 and DEL (0x7F) with a blank: a document title or user name must not
// close the quoted value, start a PJL command of its own or put a control byte into the header. Trail bytes of
// code page 932 are never among them; bytes from 0x80 are its text and stay.
void CleanPjlText(char* pText);

// Copies at most cbMax bytes of the ANSI text in a field of cbField bytes (its terminator may be missing)
// into out, never ending on half a double-byte character; out (cbOut bytes) is always terminated.
void CutAnsiText(char* pOut, std::size_t cbOut, const char* pField, std::size_t cbField, std::size_t cbMax);

// Converts the wide text in a field of cchField units (its terminator may be missing) into out, at most
// cbOut - 1 bytes without splitting a double-byte character, always terminated.
void WideToAnsiText(char* pOut, std::size_t cbOut, const WCHAR* pField, std::size_t cchField);

// Makes the letters a-z of an ANSI text upper case, leaving double-byte characters whole.
void UpperCaseAnsiLetters(char* pText);

// Complements each of at most cch units of the stored text (the devmode keeps the job password scrambled
// so), stopping at a 0 unit; out holds cch + 1 units and is always terminated.
void UnscrambleStoredText(WCHAR* pOut, const WCHAR* pScrambled, std::size_t cch);

// The job password, the user ID and the job ID of the devmode's env part as ANSI text in out (cbOut bytes,
// cleared first, at most cbOut - 1 bytes used). Each is read from its 11-unit field and never past it.
// TRUE when the text is not empty.
BOOL GetStoredPassword(const DEVMODE_ENV_EXTRA* pEnv, char* pOut, std::size_t cbOut);
BOOL GetStoredUserId(const DEVMODE_ENV_EXTRA* pEnv, char* pOut, std::size_t cbOut);
BOOL GetStoredJobId(const DEVMODE_ENV_EXTRA* pEnv, char* pOut, std::size_t cbOut);
