# The Windows build (scripts/windows cross-builds it against a static Qt without
# QtSvg). What it does differently from Linux, all here:
# - the six drawings are PNGs rendered from their SVGs at build time, and so are the
#   push buttons' pictures, at the sizes of the scales 125 % to 200 %;
# - quorvel.exe carries the icon and version information and opens no console window;
# - every program links fully static, so it runs without MinGW's runtime DLLs,
#   and the test programs carry the offscreen platform plugin;
# - resources are not compressed with zstd, which this Qt lacks.
enable_language(RC)
include(${CMAKE_CURRENT_LIST_DIR}/png-drawings.cmake)

set(QUORVEL_WIN_DIR ${CMAKE_BINARY_DIR}/windows)
# The host's rcc compresses with zstd, which this Qt cannot read.
set(QUORVEL_RCC_OPTIONS --no-zstd)

function(quorvel_windows_drawings)
  quorvel_png_drawings(${QUORVEL_WIN_DIR})

  # The program's icon, from the same SVG as the Linux one.
  set(icon_pngs)
  foreach(size 16 24 32 48 256)
    quorvel_render_svg(${PROJECT_SOURCE_DIR}/assets/quorvel.svg ${QUORVEL_WIN_DIR}/quorvel-${size}.png ${size} ${size})
    list(APPEND icon_pngs ${QUORVEL_WIN_DIR}/quorvel-${size}.png)
  endforeach()
  add_custom_command(OUTPUT ${QUORVEL_WIN_DIR}/quorvel.ico
    COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/png-to-ico.sh ${QUORVEL_WIN_DIR}/quorvel.ico ${icon_pngs}
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/png-to-ico.sh ${icon_pngs} VERBATIM)
  # The icon and the version information, from the project's one version number.
  set(QUORVEL_PUBLISHER "The Quorvel developers")
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/quorvel.rc.in ${QUORVEL_WIN_DIR}/quorvel.rc @ONLY)
  set_source_files_properties(${QUORVEL_WIN_DIR}/quorvel.rc PROPERTIES
                              OBJECT_DEPENDS ${QUORVEL_WIN_DIR}/quorvel.ico)
  target_sources(quorvel PRIVATE ${QUORVEL_WIN_DIR}/quorvel.rc)
  set_target_properties(quorvel PROPERTIES WIN32_EXECUTABLE ON)
endfunction()

function(quorvel_windows_programs dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      target_link_options(${target} PRIVATE -static)
      if(NOT target STREQUAL "quorvel")
        qt_import_plugins(${target} INCLUDE Qt6::QOffscreenIntegrationPlugin)
      endif()
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    quorvel_windows_programs(${subdir})
  endforeach()
endfunction()

# Run once every target exists, wherever this file is included.
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL quorvel_windows_drawings)
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL quorvel_windows_programs ${PROJECT_SOURCE_DIR})
