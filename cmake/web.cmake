# The WebAssembly build (scripts/web builds it with emscripten against a static Qt
# without QtSvg). What it does differently from Linux, all here:
# - the six drawings are PNGs rendered from their SVGs at build time;
# - Liberation Sans (regular, bold, italic) is built in and stands for Arial: a
#   browser page has no fontconfig and no system fonts for Qt to find;
# - the program starts from app/web_main.cpp, where "Close" ends it in the page;
# - resources are not compressed with zstd, which this Qt lacks;
# - the test programs are test_core only, run under Node (the form needs a browser:
#   scripts/web-check).
include(${CMAKE_CURRENT_LIST_DIR}/png-drawings.cmake)

set(QUORVEL_WEB_DIR ${CMAKE_BINARY_DIR}/web)
set(QUORVEL_RCC_OPTIONS --no-zstd)
set(QUORVEL_FONT_DIR /usr/share/fonts/truetype/liberation CACHE PATH "Where the Liberation Sans TTFs are")

function(quorvel_web_program)
  quorvel_png_drawings(${QUORVEL_WEB_DIR})
  set_property(TARGET quorvel PROPERTY SOURCES ${PROJECT_SOURCE_DIR}/app/web_main.cpp)
  set(fonts)
  foreach(style Regular Bold Italic)
    list(APPEND fonts ${QUORVEL_FONT_DIR}/LiberationSans-${style}.ttf)
  endforeach()
  qt_add_resources(quorvel quorvel_fonts PREFIX /fonts BASE ${QUORVEL_FONT_DIR} OPTIONS ${QUORVEL_RCC_OPTIONS} FILES ${fonts})
endfunction()

# Run once every target exists, wherever this file is included.
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL quorvel_web_program)
