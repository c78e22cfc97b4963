// SPDX-License-Identifier: MIT
#include <fontconfig/fontconfig.h>

#include <QGuiApplication>
#include <QtGlobal>

#include "PlatformStart.h"

namespace zembra {

QtArguments startPlatform(int argc, char** argv)
{
    // Qt's FcInit() keeps a configuration that is already current. The
    // embedded faces are added to this one's application fonts.
    if (FcConfig* own = FcConfigCreate()) {
        FcConfigSetCurrent(own);
        FcConfigDestroy(own);  // the current configuration holds its own reference
    }
    // Not desktop-aware, Qt asks no desktop's theme plugin (gtk3, gnome, kde:
    // chosen by XDG_CURRENT_DESKTOP) and no icon theme; the generic theme,
    // named here, also stands in for QT_QPA_PLATFORMTHEME, which some
    // distributions set for every session. The application's palette is then
    // pinned by the style (see AppLook).
    QGuiApplication::setDesktopSettingsAware(false);
    std::vector<std::string> options = {"-platformtheme", "generic"};
    // Qt prefers its Wayland platform whenever a Wayland session is seen;
    // there it draws its own title bar with a maximise button, and cannot
    // place or move a window. Through the session's X server (XWayland) the
    // windows are what they are on X11.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")
        && (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland"))
        options.insert(options.end(), {"-platform", "xcb;wayland"});
    return QtArguments(argc, argv, std::move(options));
}

}  // namespace zembra
