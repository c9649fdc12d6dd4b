# roster_add_layer(NAME SOURCES... [DEPENDS LAYER...]): the folder NAME/ as
# the static library roster_NAME, linked with the layers it builds on.
#
# Each layer's headers are visible only to itself and the layers above it:
# its include directory holds nothing but a link to its own folder, so a
# layer that includes a header of a layer it does not link fails to build.
function(roster_add_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "DEPENDS")
  set(target roster_${name})
  add_library(${target} STATIC ${layer_UNPARSED_ARGUMENTS})
  set(include ${CMAKE_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${include})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${name} ${include}/${name} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${include})
  foreach(dependency IN LISTS layer_DEPENDS)
    target_link_libraries(${target} PUBLIC roster_${dependency})
  endforeach()
endfunction()
