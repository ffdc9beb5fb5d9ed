# quantora_add_png_renders(<target> NAME <resource name> SIZES <WxH>... PICTURES <svg>...)
#
# Renders each SVG picture (a path under resources/) at each size in device
# pixels with render_icon at build time, and compiles the PNG files into the
# target's resources as ":/png/<picture path without .svg>@<W>x<H>.png".
# common::resourcePicture reads those instead of drawing the SVG: loading the
# SVG plugin and drawing cost start-up time.
function(quantora_add_png_renders target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "NAME" "SIZES;PICTURES")
  set(base ${CMAKE_CURRENT_BINARY_DIR}/png)
  string(JOIN " " sizes ${ARG_SIZES})
  set(pngs)
  foreach(picture ${ARG_PICTURES})
    string(REGEX REPLACE "\\.svg$" "" stem ${picture})
    get_filename_component(folder ${base}/${stem} DIRECTORY)
    set(outputs)
    set(arguments)
    foreach(size ${ARG_SIZES})
      set(png ${base}/${stem}@${size}.png)
      list(APPEND outputs ${png})
      list(APPEND arguments ${size} ${png})
    endforeach()
    add_custom_command(OUTPUT ${outputs}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND render_icon ${PROJECT_SOURCE_DIR}/resources/${picture} ${arguments}
      DEPENDS render_icon ${PROJECT_SOURCE_DIR}/resources/${picture}
      COMMENT "Rendering ${picture} at ${sizes}" VERBATIM)
    list(APPEND pngs ${outputs})
  endforeach()
  qt_add_resources(${target} ${ARG_NAME} PREFIX /png BASE ${base} FILES ${pngs})
endfunction()
