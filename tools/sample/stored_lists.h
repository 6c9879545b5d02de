#pragma once
// stored_lists.h - the named lists the settings store reads for the world's user and a printer, as text.

#include <string>

// The user's insert lists (name, entries), form overlays, watermarks (text, face, size, angle), font pairs
// and user-defined sizes for the printer, as the driver's settings store reads them; a line saying so when
// the user has nothing stored yet, or when the printer or the store cannot be opened.
std::string DescribeStoredLists(const std::u16string& printerName);
