// SPDX-License-Identifier: MIT
// Lists the visible top-level windows with a given title, as Windows sees
// them: "x y width height maximize" per window, the client area in screen
// coordinates and whether the title bar has a maximise box. The system test
// of the real game under wine reads it; wine draws the frames itself, so
// nothing on the X side can tell these.
// Usage: window_probe TITLE
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    std::wstring title;
    int found = 0;
};

BOOL CALLBACK visit(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    if (!IsWindowVisible(window) || search->title != text)
        return TRUE;
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    std::printf("%ld %ld %ld %ld %d\n", origin.x, origin.y, client.right - client.left, client.bottom - client.top,
                (style & WS_MAXIMIZEBOX) ? 1 : 0);
    ++search->found;
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_probe TITLE\n");
        return 2;
    }
    Search search{argv[1]};
    EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
    std::fflush(stdout);
    return search.found > 0 ? 0 : 1;
}
