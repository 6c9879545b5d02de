// pictures_test.cpp - a window's picture: what the controls draw shows their state, and it is saved as PNG.
#include "platform/user/dialog_fixture.h"

#include <fstream>

using namespace dialog_test;

class Pictures : public DialogTest {};

// The pixels of a rectangle of a window's picture, the rectangle given in the window's own coordinates.
static std::vector<unsigned char> Pixels(const host::Picture& picture, HWND top, HWND control)
{
    RECT outer;
    RECT inner;
    GetWindowRect(top, &outer);
    GetWindowRect(control, &inner);
    std::vector<unsigned char> pixels;
    for (LONG y = inner.top - outer.top; y < inner.bottom - outer.top; ++y)
        for (LONG x = inner.left - outer.left; x < inner.right - outer.left; ++x)
            for (int c = 0; c < 3; ++c)
                pixels.push_back(picture.rgb[static_cast<size_t>((y * picture.width + x) * 3 + c)]);
    return pixels;
}

TEST_F(Pictures, AControlsStateShowsInThePicture)
{
    const HWND dialog = CreateDialogParamW(m_module, MAKEINTRESOURCEW(kSimpleDialog), nullptr, RecordingDlgProc, 0);
    ASSERT_NE(dialog, nullptr);
    const HWND check = GetDlgItem(dialog, kIdCheck);
    const HWND ok = GetDlgItem(dialog, IDOK);
    const auto unchecked = host::WindowPicture(dialog);
    RECT rect;
    GetWindowRect(dialog, &rect);
    EXPECT_EQ(unchecked.width, rect.right - rect.left);
    EXPECT_EQ(unchecked.height, rect.bottom - rect.top);
    const auto okEnabled = Pixels(unchecked, dialog, ok);

    CheckDlgButton(dialog, kIdCheck, BST_CHECKED);
    EnableWindow(ok, FALSE);
    const auto changed = host::WindowPicture(dialog);
    EXPECT_NE(Pixels(changed, dialog, check), Pixels(unchecked, dialog, check)) << "the check mark shows";
    EXPECT_NE(Pixels(changed, dialog, ok), okEnabled) << "a disabled button is drawn grey";
    CheckDlgButton(dialog, kIdCheck, BST_UNCHECKED);
    EnableWindow(ok, TRUE);
    EXPECT_EQ(Pixels(host::WindowPicture(dialog), dialog, check), Pixels(unchecked, dialog, check));
    DestroyWindow(dialog);
}

TEST_F(Pictures, APictureIsSavedAsPng)
{
    const HWND dialog = CreateDialogParamW(m_module, MAKEINTRESOURCEW(kSimpleDialog), nullptr, RecordingDlgProc, 0);
    ASSERT_NE(dialog, nullptr);
    const std::filesystem::path file = m_root / "simple.png";
    ASSERT_TRUE(host::SaveWindowPicture(dialog, file));
    std::ifstream in(file, std::ios::binary);
    unsigned char head[24] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(head) + 1, 3), "PNG");
    const auto big = [&](int at) { return (head[at] << 24) | (head[at + 1] << 16) | (head[at + 2] << 8) | head[at + 3]; };
    RECT rect;
    GetWindowRect(dialog, &rect);
    EXPECT_EQ(big(16), rect.right - rect.left) << "IHDR width";
    EXPECT_EQ(big(20), rect.bottom - rect.top) << "IHDR height";
    DestroyWindow(dialog);
    EXPECT_FALSE(host::SaveWindowPicture(dialog, file)) << "a window that is gone has no picture";
}
