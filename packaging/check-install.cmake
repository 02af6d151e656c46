# Installs a build into a scratch prefix and checks the freedesktop layout: the
# program, its desktop entry and AppStream metadata under one id, the icons the
# entry names in the hicolor theme, and nothing else.
# Run as: cmake -DBUILD_DIR=... -DSTAGING=... -DAPP_ID=... -P check-install.cmake
file(REMOVE_RECURSE "${STAGING}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGING}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

set(expected
  bin/quorvel
  share/applications/${APP_ID}.desktop
  share/icons/hicolor/32x32/apps/${APP_ID}.png
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/metainfo/${APP_ID}.metainfo.xml)
file(GLOB_RECURSE installed RELATIVE "${STAGING}" "${STAGING}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " installed "${installed}")
  string(REPLACE ";" "\n  " expected "${expected}")
  message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

# The entry starts the installed program and shows the installed icon.
file(STRINGS "${STAGING}/share/applications/${APP_ID}.desktop" exec REGEX "^Exec=")
file(STRINGS "${STAGING}/share/applications/${APP_ID}.desktop" icon REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec}")
if(NOT EXISTS "${STAGING}/bin/${exec}")
  message(FATAL_ERROR "the desktop entry starts '${exec}', which is not installed in bin")
endif()
if(NOT icon STREQUAL "Icon=${APP_ID}")
  message(FATAL_ERROR "the desktop entry's ${icon} is not the installed icon ${APP_ID}")
endif()

# The metadata launches this entry.
file(READ "${STAGING}/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
string(FIND "${metainfo}" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the metainfo does not launch ${APP_ID}.desktop")
endif()

# A 32x32 icon must really be 32 by 32 (width and height in the PNG header).
file(READ "${STAGING}/share/icons/hicolor/32x32/apps/${APP_ID}.png" size HEX OFFSET 16 LIMIT 8)
if(NOT size STREQUAL "0000002000000020")
  message(FATAL_ERROR "the 32x32 icon is not 32 by 32 pixels (${size})")
endif()
