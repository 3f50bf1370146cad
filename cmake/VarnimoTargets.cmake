# Helpers shared by the folders' CMakeLists.
#
# Each folder's sources are collected by pattern, so adding a file to a folder needs
# no edit here; CONFIGURE_DEPENDS makes the build notice new files.

# varnimo_library(NAME FOLDER [DEPENDS targets...]): a static library of FOLDER/*.cpp.
function(varnimo_library name folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  else()
    # A service whose sources are not written yet offers its headers only.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()
