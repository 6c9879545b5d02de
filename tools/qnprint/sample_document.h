#pragma once
// sample_document.h - prints a short document on the printer through a printer device context, as an
// application would, and shows the job the driver wrote.

#include <string>

// Prints two empty pages on the named printer and shows the job file's bytes; false when a call failed.
bool PrintSampleDocument(const std::u16string& printerName);
