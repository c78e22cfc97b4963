// SPDX-License-Identifier: MIT
#include <windows.h>

#include "PlatformStart.h"

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

}  // namespace

QtArguments startPlatform(int argc, char** argv)
{
    std::vector<std::string> fontEngine;
    if (!systemHasFace(L"SimSun"))
        fontEngine = {"-platform", "windows:fontengine=freetype"};
    return QtArguments(argc, argv, {}, std::move(fontEngine));
}

}  // namespace zembra
