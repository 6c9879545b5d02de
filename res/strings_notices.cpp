// strings_notices.cpp - the notices of applying a sheet: a fax without destinations that is printed instead,
// the settings printing needed changed, and a fax cover sheet whose image file is gone. Each format takes
// exactly the arguments its id's name in settings/strings/string_ids.h says.
#include "res/string_table.h"
#include "settings/strings/string_ids.h"

#include <iterator>

static const host::StringResource kRows[] = {
    {kIdsFaxBecomesPrintHosted, u"No fax destination is set, so the document will be printed."},
    {kIdsFaxBecomesPrint,       u"No fax destination is set, so the output is changed to printing."},
    {kIdsFaxNoticeCaption,      u"Fax"},
    {kIdsCoverImageMissing,     u"The image file of the fax cover sheet cannot be found."},
    {kIdsCoverImageDropped,     u" The cover sheet is sent without the image."},
    {kIdsCoverImageCheck,       u" Choose the image again in the cover sheet settings."},
    {kIdsCoverImageCaption,     u"Fax Cover Sheet"},
    {kIdsFaxSettingsChanged,    u"\nThese settings were changed for printing:"},
    {kIdsFaxNewOutputPaper,     u"\nOutput paper: %s"},
    {kIdsFaxNewPaperTray,       u"\nPaper tray: %s"},
    {kIdsFaxNewPaperType,       u"\nPaper type: %s"},
    {kIdsFaxNewOutputTray,      u"\nOutput tray: %s"},
};

const StringTablePart kNoticeStrings = {kRows, std::size(kRows)};
