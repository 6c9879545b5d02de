#pragma once
// paper_ids.h - the paper ids with a meaning of their own: the output paper that follows the paper, and the
// ids of the ten user-defined sizes.

#include "win/windows.h"

// The output paper's option meaning "the same size as the paper" (lpOutputPaper, VQOutputPaperSize).
constexpr WORD kPaperSameAsPaper = 257;

// The user-defined sizes 1..9 take the ids that follow 512; the tenth keeps DMPAPER_USER (256), the id
// applications already use for a size of their own.
constexpr SHORT kFirstCustomPaperId = 513;
constexpr SHORT kLastNumberedCustomPaperId = 521;
constexpr SHORT kTenthCustomPaperId = DMPAPER_USER;
