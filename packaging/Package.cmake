# The Debian package, made by `cmake --build build --target package` as
# build/quillmere_<version>-<release>_<arch>.deb from the same install rules as `cmake --install`.

# The package's version comes from its changelog's first entry, so a release cannot ship with a
# changelog that does not mention it.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog quillmere_changelog_head LIMIT_COUNT 1)
if(NOT quillmere_changelog_head MATCHES "^quillmere \\(([0-9.]+)-([0-9]+)\\) ")
  message(FATAL_ERROR "packaging/changelog: the first line is not \"quillmere (VERSION-RELEASE) ...\"")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog starts at ${CMAKE_MATCH_1}, the project is ${PROJECT_VERSION}: "
                      "add an entry for ${PROJECT_VERSION}")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_2})
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog quillmere_changelog_signer REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- (.*>).*" "\\1" quillmere_changelog_signer "${quillmere_changelog_signer}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmere)
set(CPACK_PACKAGE_VENDOR "The Quillmere developers")
set(CPACK_PACKAGE_CONTACT "${quillmere_changelog_signer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert spreadsheet contacts to vCard files")
set(CPACK_PACKAGE_DESCRIPTION "Quillmere turns a contact list kept in a spreadsheet (.xlsx, .xls or .csv) into
vCard files that a phone, a mail program or a contacts app can import. A window
leads the way in three steps: pick a workbook, pair its column headers with
contact fields, choose the vCard version (2.1, 3.0 or 4.0) and convert.

quillmere-convert runs the same conversion from a shell.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quillmere.github.io/)
# The libraries the programs link are found by dpkg-shlibdeps; Qt's X11 and Wayland platform
# plugins are only recommended by libqt6gui6, and without them the window cannot open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libphonenumber's shlibs name only the virtual libphonenumber8-protobuf32, so the package
# that holds the library is named as well.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libphonenumber8, iso-codes")
# Help hands the guide to the desktop's browser through xdg-open.
# Qt's own dialogs speak the window's language only with its translations installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Debian's changelog and copyright go where every package keeps them.
set(quillmere_package_doc ${CMAKE_INSTALL_DATADIR}/doc/quillmere)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
  COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/changelog > ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
  COMMENT "Compressing the Debian changelog")
add_custom_target(quillmere_debian_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${quillmere_package_doc})
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz DESTINATION ${quillmere_package_doc})
