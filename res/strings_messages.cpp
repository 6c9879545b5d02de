// strings_messages.cpp - the messages and captions of checked entries: page-number lists typed on the pages,
// and the title endings that tell the spooler's own printer windows apart. Each format takes exactly the
// arguments its id's name in settings/strings/string_ids.h says.
#include "res/string_table.h"
#include "settings/strings/string_ids.h"

#include <iterator>

static const host::StringResource kRows[] = {
    {kIdsInsertSheetCaption,    u"Insert Sheets"},
    {kIdsCoverInsertCaption,    u"Cover Insertion"},
    {kIdsPageNumbers,           u"page numbers"},
    {kIdsInsertPageNumbers,     u"insert-sheet page numbers"},
    {kIdsCommaMisplaced,        u"a comma at the start or next to another separator"},
    {kIdsLeadingZero,           u"a number that starts with 0"},
    {kIdsHyphenMisplaced,       u"a hyphen at the start, next to another separator or inside a range"},
    {kIdsTooManyPages,          u"There are too many %s. Enter at most %s."},
    {kIdsMorePagesFollow,       u"..."},
    {kIdsInsertPageLimit,       u"%d pages"},
    {kIdsDuplicatePages,        u"The same page number is entered more than once."},
    {kIdsDuplicatePagesList,    u" Entered more than once: "},
    {kIdsPageListFault,         u"The page numbers contain %s."},
    {kIdsPageListExample,       u" Enter page numbers and ranges separated by commas, for example 1,3,5-12."},
    {kIdsTooManyDigits,         u"Each of the %s can have at most %d digits."},
    {kIdsNoRangesWithPageSides, u"While pages have their own one- or two-sided setting, enter single page numbers "
                                u"only, without commas or ranges."},
    {kIdsCoverPageLimit,        u"%d pages"},
    {kIdsChapterPageLimit,      u"%d pages"},
    // The last four and five characters of "... Printing Preferences" and "... Properties", the titles the
    // spooler's printer folder gives the sheets it opens.
    {kIdsSpoolerTitleEnd4,      u"nces"},
    {kIdsSpoolerTitleEnd5,      u"rties"},
};

const StringTablePart kMessageStrings = {kRows, std::size(kRows)};
