# SPDX-License-Identifier: GPL-2.0-or-later
# What the desktop needs, named after the application id: the icon (SVG and the PNGs made
# from it by tools/make-icons.sh), the desktop entry, the AppStream metadata and the man
# page. The launcher embeds the icon and the desktop entry; --install-desktop-entry
# writes them for the user, pointing at wherever the launcher lies.
set(TARRAKIND_SCREENSHOT_URL "${TARRAKIND_WEB_URL}/screenshots"
  CACHE STRING "AppStream metadata: where the pictures of docs/screenshots are published")

set(desktop_src ${CMAKE_CURRENT_LIST_DIR})
set(desktop_gen ${CMAKE_BINARY_DIR}/desktop)
set(TARRAKIND_ICON_SIZES 16 24 32 48 64 128 256)

# The releases of the metadata come from the changelog's headings "## VERSION (DATE)".
file(STRINGS ${CMAKE_SOURCE_DIR}/CHANGELOG.md release_headings REGEX "^## ")
set(releases "")
foreach(heading IN LISTS release_headings)
  if(NOT heading MATCHES "^## ([0-9]+(\\.[0-9]+)*) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)$")
    message(FATAL_ERROR "CHANGELOG.md: a release heading reads \"## VERSION (YYYY-MM-DD)\", not \"${heading}\"")
  endif()
  list(APPEND releases "    <release version=\"${CMAKE_MATCH_1}\" date=\"${CMAKE_MATCH_3}\"/>")
endforeach()
if(NOT releases)
  message(FATAL_ERROR "CHANGELOG.md names no release")
endif()
list(JOIN releases "\n" TARRAKIND_RELEASES)
# The man page is dated with the newest release, so that a build on another day makes the
# same page.
string(REGEX MATCH "[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]" TARRAKIND_RELEASE_DATE "${releases}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/CHANGELOG.md)

# The installed entry names the program and is shown only where the program is on the PATH
# (a package that links it into /usr/games); it lies beside the metadata that names it.
# The one the launcher writes for the user, with the same name, names its full path instead
# and takes the installed one's place.
set(TARRAKIND_DESKTOP_EXEC tarrakind)
configure_file(${desktop_src}/${TARRAKIND_APP_ID}.desktop.in ${desktop_gen}/${TARRAKIND_APP_ID}.desktop @ONLY)
configure_file(${desktop_src}/${TARRAKIND_APP_ID}.metainfo.xml.in
  ${desktop_gen}/${TARRAKIND_APP_ID}.metainfo.xml @ONLY)
configure_file(${desktop_src}/tarrakind.6.in ${desktop_gen}/tarrakind.6 @ONLY)

set(desktop_resources ${desktop_src}/${TARRAKIND_APP_ID}.svg ${desktop_gen}/${TARRAKIND_APP_ID}.desktop)
set_source_files_properties(${desktop_gen}/${TARRAKIND_APP_ID}.desktop
  PROPERTIES QT_RESOURCE_ALIAS ${TARRAKIND_APP_ID}.desktop)
foreach(size IN LISTS TARRAKIND_ICON_SIZES)
  set(png icons/hicolor/${size}x${size}/apps/${TARRAKIND_APP_ID}.png)
  list(APPEND desktop_resources ${desktop_src}/${png})
  set_source_files_properties(${desktop_src}/${png} PROPERTIES QT_RESOURCE_ALIAS ${png})
endforeach()
set_source_files_properties(${desktop_src}/${TARRAKIND_APP_ID}.svg
  PROPERTIES QT_RESOURCE_ALIAS ${TARRAKIND_APP_ID}.svg)
qt_add_resources(tarrakind_core desktop PREFIX /desktop FILES ${desktop_resources})

# cmake --install build --prefix <game directory>: the launcher takes every path from
# where it lies, so it goes right into the prefix; the rest in the usual places below it.
install(TARGETS tarrakind RUNTIME DESTINATION .)
install(FILES ${desktop_src}/${TARRAKIND_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
install(DIRECTORY ${desktop_src}/icons/hicolor DESTINATION share/icons)
install(FILES ${desktop_gen}/${TARRAKIND_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${desktop_gen}/${TARRAKIND_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${desktop_gen}/tarrakind.6 DESTINATION share/man/man6)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/CHANGELOG.md
  DESTINATION share/doc/tarrakind)

# cpack -G TGZ: a tarball to unpack into the game directory, without a top folder.
set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME tarrakind)
set(CPACK_PACKAGE_VENDOR "The Tarrakind team")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Launcher for Quake II with the Tarrakind bot modification")
set(CPACK_PACKAGE_FILE_NAME tarrakind-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
include(CPack)
