#pragma once
// sample_document.h - prints the sample document on the printer through a printer device context, as an
// application would, and shows the job the driver wrote.

#include "tools/sample/sample_job.h"

#include <string>

// Prints pageCount pages of the sample document with the options and shows the job: where its file is, its
// sheets and bytes, its PJL header, the page setup of its first sheet and the commands of each kind. False when
// printing or a drawing call failed, or the job is not well formed.
bool PrintAndShowSampleDocument(const std::u16string& printerName, const SampleJobOptions& options, int pageCount);
