# Installs a build into a scratch prefix and checks the freedesktop layout: the
# program and its man page, its desktop entry and AppStream metadata under one id,
# the icons the entry names in the hicolor theme, the manual and the accuracy
# report with its plots under share/doc/quorvel, and nothing else.
# Run as: cmake -DBUILD_DIR=... -DSTAGING=... -DAPP_ID=... -DICON_SIZES=16;... -DPLOTS=a;...
#         -DVERSION=... -DDOC_PATH=... -P check-install.cmake
file(REMOVE_RECURSE "${STAGING}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGING}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

set(expected
  bin/quorvel
  share/applications/${APP_ID}.desktop
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/doc/quorvel/accuracy.md
  share/doc/quorvel/manual.md
  share/man/man1/quorvel.1
  share/metainfo/${APP_ID}.metainfo.xml)
foreach(plot ${PLOTS})
  list(APPEND expected share/doc/quorvel/accuracy/${plot}.png)
endforeach()
foreach(size ${ICON_SIZES})
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
list(SORT expected)
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

# Fails with `complaint` unless the installed file holds the text.
function(require_text file text complaint)
  file(READ "${STAGING}/${file}" content)
  string(FIND "${content}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${complaint}")
  endif()
endfunction()

# The metadata launches this entry.
require_text(share/metainfo/${APP_ID}.metainfo.xml "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
  "the metainfo does not launch ${APP_ID}.desktop")

# An NxN icon must really be N by N (width and height in the PNG header).
foreach(size ${ICON_SIZES})
  file(READ "${STAGING}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png" header HEX OFFSET 16 LIMIT 8)
  math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REGEX REPLACE "^0x" "" side "${side}")
  string(LENGTH "${side}" digits)
  math(EXPR pad "8 - ${digits}")
  string(REPEAT "0" ${pad} zeros)
  if(NOT header STREQUAL "${zeros}${side}${zeros}${side}")
    message(FATAL_ERROR "the ${size}x${size} icon is not ${size} by ${size} pixels (${header})")
  endif()
endforeach()

# The manual carries the version in its title, and the man page names where it
# is installed.
file(STRINGS "${STAGING}/share/doc/quorvel/manual.md" title LIMIT_COUNT 1)
if(NOT title STREQUAL "# Quorvel ${VERSION} user manual")
  message(FATAL_ERROR "the manual's title is '${title}', not the version ${VERSION}'s")
endif()
require_text(share/man/man1/quorvel.1 "${DOC_PATH}/manual.md"
  "the man page does not name the manual's place, ${DOC_PATH}/manual.md")
