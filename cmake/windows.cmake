# The Windows build (scripts/windows cross-builds it against a static Qt without
# QtSvg). What it does differently from Linux, all here:
# - the six drawings are PNGs rendered from their SVGs at build time, and so are the
#   push buttons' pictures, at the sizes of the scales 125 % to 200 %;
# - quorvel.exe carries the icon and version information and opens no console window;
# - every program links fully static, so it runs without MinGW's runtime DLLs,
#   and the test programs carry the offscreen platform plugin;
# - resources are not compressed with zstd, which this Qt lacks.
enable_language(RC)
find_program(QUORVEL_RSVG_CONVERT rsvg-convert REQUIRED)

set(QUORVEL_WIN_DIR ${CMAKE_BINARY_DIR}/windows)
# The host's rcc compresses with zstd, which this Qt cannot read.
set(QUORVEL_RCC_OPTIONS --no-zstd)

# Each drawing at twice its control's size in form/catalogue.cpp (twips / 7.5),
# stretched like the vector drawing: crisp at pixel ratio 2 and halved cleanly at 1.
set(QUORVEL_DRAWINGS
  orifice_tank  930 610
  orifice_kinds 786 434
  rect_notch    594 402
  contractions  738 402
  trap_notch    962 578
  vnotch        690 578)

function(quorvel_render_svg svg png width height)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVEL_WIN_DIR}
    COMMAND ${QUORVEL_RSVG_CONVERT} --width ${width} --height ${height} --output ${png} ${svg}
    DEPENDS ${svg} VERBATIM)
endfunction()

function(quorvel_windows_drawings)
  set(drawings ${QUORVEL_DRAWINGS})
  set(pngs)
  while(drawings)
    list(POP_FRONT drawings name width height)
    quorvel_render_svg(${PROJECT_SOURCE_DIR}/assets/${name}.svg ${QUORVEL_WIN_DIR}/${name}.png ${width} ${height})
    list(APPEND pngs ${QUORVEL_WIN_DIR}/${name}.png)
  endwhile()
  # The push buttons' pictures at 25 to 40 pixels, for 125 % to 200 %; the 20-pixel
  # bitmaps for 100 % are in the resources already (AniPushButton::picture).
  foreach(name btn_close_1 btn_close_2 btn_open_1 btn_open_2 btn_choice_1 btn_choice_2)
    foreach(size 25 30 35 40)
      quorvel_render_svg(${PROJECT_SOURCE_DIR}/assets/${name}.svg ${QUORVEL_WIN_DIR}/${name}-${size}.png ${size} ${size})
      list(APPEND pngs ${QUORVEL_WIN_DIR}/${name}-${size}.png)
    endforeach()
  endforeach()
  qt_add_resources(quorvel_form quorvel_drawings PREFIX / BASE ${QUORVEL_WIN_DIR} OPTIONS ${QUORVEL_RCC_OPTIONS} FILES ${pngs})
  target_compile_definitions(quorvel_form PRIVATE QUORVEL_DRAWINGS_AS_PNG)

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
