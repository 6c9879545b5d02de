#pragma once
// default_face.h - the face a tab text or a watermark is drawn in until the user picks another: the
// proportional Gothic face every Japanese system has.

#include "win/windef.h"

inline constexpr WCHAR kDefaultFaceName[] = u"ＭＳ Ｐゴシック";
