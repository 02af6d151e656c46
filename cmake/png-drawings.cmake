# The six drawings and the push buttons' pictures as PNGs rendered from their SVGs at build time, for a Qt without
# QtSvg (the Windows and WebAssembly builds): QUORVEL_DRAWINGS_AS_PNG tells the form.
find_program(QUORVEL_RSVG_CONVERT rsvg-convert REQUIRED)

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
  get_filename_component(dir ${png} DIRECTORY)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${QUORVEL_RSVG_CONVERT} --width ${width} --height ${height} --output ${png} ${svg}
    DEPENDS ${svg} VERBATIM)
endfunction()

# The PNGs, rendered into `dir`, as the form's resources in place of the SVGs.
function(quorvel_png_drawings dir)
  set(drawings ${QUORVEL_DRAWINGS})
  set(pngs)
  while(drawings)
    list(POP_FRONT drawings name width height)
    quorvel_render_svg(${PROJECT_SOURCE_DIR}/assets/${name}.svg ${dir}/${name}.png ${width} ${height})
    list(APPEND pngs ${dir}/${name}.png)
  endwhile()
  # The push buttons' pictures at 25 to 40 pixels, for 125 % to 200 %; the 20-pixel
  # bitmaps for 100 % are in the resources already (AniPushButton::picture).
  foreach(name btn_close_1 btn_close_2 btn_open_1 btn_open_2 btn_choice_1 btn_choice_2)
    foreach(size 25 30 35 40)
      quorvel_render_svg(${PROJECT_SOURCE_DIR}/assets/${name}.svg ${dir}/${name}-${size}.png ${size} ${size})
      list(APPEND pngs ${dir}/${name}-${size}.png)
    endforeach()
  endforeach()
  qt_add_resources(quorvel_form quorvel_drawings PREFIX / BASE ${dir} OPTIONS ${QUORVEL_RCC_OPTIONS} FILES ${pngs})
  target_compile_definitions(quorvel_form PRIVATE QUORVEL_DRAWINGS_AS_PNG)
endfunction()
