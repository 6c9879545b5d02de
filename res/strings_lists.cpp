// strings_lists.cpp - the default texts of the user's named lists: the form overlays' confirmation boxes, the
// fax cover sheet's fixed form and the watermarks a user starts with.
#include "res/string_table.h"

#include <iterator>

static const host::StringResource kRows[] = {
    {20703, u"Please hand this fax to the addressee."},
    {29541, u"Create Form Overlay"},
    {29542, u"Print with Form Overlay"},
    {29543, u"The form overlay %s is used for this job."},
    {29544, u"The output of this job becomes the form overlay %s. Continue?"},
    {29545, u"This job is printed over the form overlay %s. Continue?"},
    {30002, u"CONFIDENTIAL"},
    {30003, u"DRAFT"},
    {30004, u"COPY"},
    {30005, u"URGENT"},
    {30006, u"ORIGINAL"},
    {30007, u"FINAL"},
    {30008, u"SAMPLE"},
    {30009, u"PRIVATE"},
    {30010, u"INTERNAL USE ONLY"},
    {30011, u"DO NOT COPY"},
    {30012, u"APPROVED"},
    {30013, u"PROOF"},
    {30014, u"FOR REVIEW"},
    {30015, u"PRELIMINARY"},
    {30016, u"TOP SECRET"},
};

const StringTablePart kListStrings = {kRows, std::size(kRows)};
