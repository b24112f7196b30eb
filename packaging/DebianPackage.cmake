# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (cpack -G DEB): version and maintainer from debian/changelog, its copyright
# file and changelog where Debian keeps them, and the maintainer scripts.

# The changelog's latest entry names the package version and the maintainer; they exist nowhere
# else. Its version must be this release's.
file(STRINGS debian/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^tarvik-config \\(([^-)]+)-([^)]+)\\) ")
  message(FATAL_ERROR "packaging/debian/changelog: first line is not 'tarvik-config (VERSION-REVISION) ...'")
endif()
set(TARVIK_DEBIAN_REVISION ${CMAKE_MATCH_2})
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/debian/changelog: latest entry is ${CMAKE_MATCH_1}, the project is "
                      "${PROJECT_VERSION}; add an entry for it")
endif()
file(STRINGS debian/changelog changelog_trailer REGEX "^ -- .+ <[^>]+>  " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- (.+ <[^>]+>)  .*$" "\\1" TARVIK_MAINTAINER "${changelog_trailer}")
# The release date stamps the manual pages, so that a rebuild makes the same files.
string(REGEX REPLACE "^ -- .+ <[^>]+>  (.*)$" "\\1" changelog_date "${changelog_trailer}")
execute_process(COMMAND date -d "${changelog_date}" +%s OUTPUT_VARIABLE TARVIK_RELEASE_EPOCH
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)

configure_file(debian/copyright.in ${CMAKE_CURRENT_BINARY_DIR}/debian/copyright @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(GZIP)
  set(changelog_gz ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.Debian.gz)
  add_custom_command(OUTPUT ${changelog_gz}
    COMMAND ${GZIP} -9n -c ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog > ${changelog_gz}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog
    COMMENT "changelog.Debian.gz")
  add_custom_target(debian_changelog ALL DEPENDS ${changelog_gz})
  install(FILES ${changelog_gz} DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

# Each override says why.
install(FILES debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME tarvik-config)

set(CPACK_PACKAGE_NAME tarvik-config)
set(CPACK_PACKAGE_VENDOR "Oremba")
set(CPACK_PACKAGE_CONTACT "${TARVIK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for the Tarvik USB foot-pedal unit")
# Lines of at most 80 characters in the control file.
set(CPACK_PACKAGE_DESCRIPTION [[
Reads, shows and changes the settings of the Tarvik USB foot-pedal unit
(one to five pedals): a key with modifiers or a mouse click per pedal.
tarvik-config is the desktop program; tarvikctl shows, sets, backs up
and restores the pedals' settings from the command line. A udev rule
gives the user at the seat access to the unit.]])
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The udev rule names its helper by the full path under the install prefix.
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  message(STATUS "A package of this build would name the udev helper under ${CMAKE_INSTALL_PREFIX}; "
                 "configure with -DCMAKE_INSTALL_PREFIX=/usr to build the package")
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TARVIK_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TARVIK_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udev, qt6-translations-l10n")
# Every label is Japanese or may show Japanese key names: without a Japanese font they are boxes.
# Any of these will do, so a Japanese desktop's own font counts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-ipafont-gothic | fonts-vlgothic")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${CMAKE_CURRENT_SOURCE_DIR}/debian/postinst ${CMAKE_CURRENT_SOURCE_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
