# SPDX-License-Identifier: MIT
# Packages made by cpack in the build folder: a ZIP of the installed folder
# on Windows (and an installer where NSIS is present), a Debian package
# elsewhere.
set(CPACK_PACKAGE_NAME zembra)
set(CPACK_PACKAGE_VENDOR "The Zembra developers")
set(CPACK_PACKAGE_CONTACT "zembra@example.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Falling-block puzzle game with a Chinese interface")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://zembra.example.org/")
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
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Opened at run time, so the library scan cannot see it.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-mixer-2.0-0 (>= 2.0.4)")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_GENERATOR DEB)
endif()
include(CPack)
