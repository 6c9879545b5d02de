#pragma once
// string_ids.h - the ids of the resource library's texts that code asks for by name. The library's tables
// (res/) and every module take them from here; ids that only data tables carry stay in their rows.

#include "win/windef.h"

// Page-number entry: what a typed list of pages is called, what is wrong with it and how long it may be.
constexpr UINT kIdsPageNumbers = 21001;              // the pages of chapters and covers
constexpr UINT kIdsInsertPageNumbers = 21002;        // the pages of insert sheets
constexpr UINT kIdsCommaMisplaced = 21003;           // parse code 2
constexpr UINT kIdsLeadingZero = 21004;              // parse code 3
constexpr UINT kIdsHyphenMisplaced = 21005;          // parse code 4
constexpr UINT kIdsTooManyPages = 21018;             // %s: what, %s: the most allowed
constexpr UINT kIdsMorePagesFollow = 21580;          // ends a list cut after five numbers
constexpr UINT kIdsInsertPageLimit = 28501;          // %d pages
constexpr UINT kIdsDuplicatePages = 28502;           // the duplicate message, then kIdsDuplicatePagesList
constexpr UINT kIdsDuplicatePagesList = 28503;
constexpr UINT kIdsPageListFault = 28512;            // %s: the fault, then kIdsPageListExample
constexpr UINT kIdsPageListExample = 28513;
constexpr UINT kIdsTooManyDigits = 28514;            // %s: what, %d: the most digits
constexpr UINT kIdsNoRangesWithPageSides = 28515;
constexpr UINT kIdsCoverPageLimit = 28597;           // %d pages
constexpr UINT kIdsChapterPageLimit = 29001;         // %d pages

// Captions of the page-number messages: the page or dialog the list is typed on.
constexpr UINT kIdsInsertSheetCaption = 20157;
constexpr UINT kIdsCoverInsertCaption = 20167;
constexpr UINT kIdsChapterCaption = 20210;

// The endings of the sheet titles the spooler gives its own printer windows: a sheet whose parent's title
// ends with one of them is not hosted by an application.
constexpr UINT kIdsSpoolerTitleEnd4 = 31632;         // four characters
constexpr UINT kIdsSpoolerTitleEnd5 = 31633;         // five characters

// Applying a sheet: a fax without destinations is printed instead, and a fax cover sheet's image is gone.
constexpr UINT kIdsFaxBecomesPrintHosted = 22300;    // the sheet of an application
constexpr UINT kIdsFaxBecomesPrint = 22301;          // the printing preferences
constexpr UINT kIdsFaxNoticeCaption = 22302;
constexpr UINT kIdsCoverImageMissing = 22303;        // after "\n'%s'\n" with the image file's name
constexpr UINT kIdsCoverImageDropped = 22304;
constexpr UINT kIdsCoverImageCheck = 22305;
constexpr UINT kIdsCoverImageCaption = 22306;
constexpr UINT kIdsFaxSettingsChanged = 22307;       // then one line per setting that printing changed
constexpr UINT kIdsFaxNewOutputPaper = 31621;        // %s: the new option's name
constexpr UINT kIdsFaxNewPaperTray = 31622;          // %s
constexpr UINT kIdsFaxNewPaperType = 31623;          // %s
constexpr UINT kIdsFaxNewOutputTray = 31625;         // %s
