# `cpack` (./dev package): a Debian package of what cmake/Install.cmake installs. Its
# Depends come from the shared libraries the programs link (dpkg-shlibdeps: Qt and its print
# support), plus what Qt loads at run time rather than links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME shrink4)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Shrink4 developers")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(SHRINK4_MAINTAINER "Shrink4 developers <shrink4@example.org>" CACHE STRING
    "Maintainer named in the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SHRINK4_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "four-digit lottery number filter (四星缩水)")
set(CPACK_PACKAGE_DESCRIPTION
    "Shrink4 drops the numbers of 0000-9999 that fail the player's conditions (kill
lists, must-contain codes, sums, spans, AC values, dan groups, digit shapes,
positional patterns) and lists the survivors, with group conversion, list set
operations and a splice tool. The window is in Chinese; shrink4-cli runs the same
engine on saved schemes from the command line.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${SHRINK4_HOMEPAGE}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt opens its display plugins (xcb, wayland) at run time: without them the window cannot start.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own dialogs in Chinese, and a font with the Chinese characters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
