# SPDX-License-Identifier: MIT
# Packages made by cpack in the build folder: a ZIP of the installed folder
# on Windows (and an installer where NSIS is present), a Debian package
# elsewhere.
set(CPACK_PACKAGE_NAME zembra)
set(CPACK_PACKAGE_VENDOR "The Zembra developers")
set(CPACK_PACKAGE_CONTACT ${ZEMBRA_MAIL})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "falling-block puzzle game with a Chinese interface")
set(CPACK_PACKAGE_DESCRIPTION "A single-player falling-block puzzle game whose every text is in Simplified
Chinese. Pieces fall into a well 12 cells wide and 21 high; full rows are
wiped away after a short animation and earn points by a fixed table. Every
thousand points show a star, every ten thousand a new level with a new name
and a faster fall. Two previews show the next pieces; an advanced mode adds
pentominoes, a three-cell corner and three special blocks. Nine sound
effects, a settings menu for the speed, help and about boxes.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${ZEMBRA_HOMEPAGE})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    find_program(ZEMBRA_MAKENSIS makensis)
    if(ZEMBRA_MAKENSIS)
        list(APPEND CPACK_GENERATOR NSIS)
        set(CPACK_PACKAGE_INSTALL_DIRECTORY Zembra)
        set(CPACK_NSIS_DISPLAY_NAME Zembra)
        set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/mainicon.ico)
        set(CPACK_NSIS_INSTALLED_ICON_NAME bin\\\\zembra.exe)
        set(CPACK_PACKAGE_EXECUTABLES zembra Zembra)
    endif()
else()
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Zembra developers <${ZEMBRA_MAIL}>")
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_STRIP_FILES ON)
    # The sound library is opened at run time, and Qt loads its platform
    # plugins (X11, and Wayland where a session has no X server), so the
    # library scan sees neither. No font package: the game carries its own faces.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-mixer-2.0-0 (>= 2.0.4), qt6-qpa-plugins, qt6-wayland")
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_GENERATOR DEB)
endif()
include(CPack)
