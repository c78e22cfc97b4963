// SPDX-License-Identifier: MIT
#include "OwnFontsOnly.h"

#include <windows.h>

namespace zembra {

namespace {

int CALLBACK found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM seen)
{
    *reinterpret_cast<bool*>(seen) = true;
    return 0;
}

bool systemHasFace(const wchar_t* name)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, name, LF_FACESIZE);
    bool seen = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, found, reinterpret_cast<LPARAM>(&seen), 0);
    ReleaseDC(nullptr, screen);
    return seen;
}

char platformOption[] = "-platform";
char freeTypePlatform[] = "windows:fontengine=freetype";

}  // namespace

std::vector<char*> useOwnFontsOnly(int argc, char** argv)
{
    std::vector<char*> args(argv, argv + argc);
    if (!systemHasFace(L"SimSun")) {
        args.push_back(platformOption);
        args.push_back(freeTypePlatform);
    }
    args.push_back(nullptr);
    return args;
}

}  // namespace zembra
