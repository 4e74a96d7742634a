# Renders the application icon (packaging/org.korvel.Korvel.svg) to PNGs of the hicolor sizes.
# Sets KORVEL_ICON_SVG, KORVEL_ICON_SIZES, KORVEL_ICON_DIR and KORVEL_ICON_PNGS (SIZE.png in
# KORVEL_ICON_DIR, in the order of KORVEL_ICON_SIZES), and KORVEL_WINDOW_ICON_PNGS, the sizes built
# into the program for its windows' icon.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

set(KORVEL_ICON_SVG ${CMAKE_CURRENT_LIST_DIR}/org.korvel.Korvel.svg)
set(KORVEL_ICON_SIZES 16 22 24 32 48 64 128 256)
set(KORVEL_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(KORVEL_ICON_PNGS)
set(KORVEL_WINDOW_ICON_PNGS)
foreach(size IN LISTS KORVEL_ICON_SIZES)
  set(png ${KORVEL_ICON_DIR}/${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KORVEL_ICON_DIR}
    COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${KORVEL_ICON_SVG}
    DEPENDS ${KORVEL_ICON_SVG}
    COMMENT "Rendering the application icon at ${size}x${size}"
    VERBATIM)
  list(APPEND KORVEL_ICON_PNGS ${png})
  # A window's icon is drawn in title bars and window switchers: 16 and 32 pixels, doubled on a
  # doubled screen; larger views come from the installed theme icon. Every size built in is sent
  # to the window manager at start-up, and 128 and 256 alone would cost more than the rest of the
  # main window.
  if(size MATCHES "^(16|32|64)$")
    list(APPEND KORVEL_WINDOW_ICON_PNGS ${png})
  endif()
endforeach()
# Every size is rendered by the default build, for installing; the program holds only the small
# ones.
add_custom_target(korvel_theme_icons ALL DEPENDS ${KORVEL_ICON_PNGS})
