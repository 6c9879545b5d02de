#pragma once
// user_actions.h - the clipboard the user's copy and paste go through (edits read and write it).

#include <string>
#include <string_view>

namespace platform {

const std::u16string& ClipboardText();
void SetClipboardText(std::u16string_view text);

} // namespace platform
