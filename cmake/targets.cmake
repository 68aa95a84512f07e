# How every target of the project is made: its compile options, and for the libraries the layering.
#
# Compile options. The interface library `hlc_options` carries the warnings and, when asked for, the
# instrumentation of the sanitizer, fuzz and coverage builds. Every target of the project links it
# (hlc_library does so itself; an add_executable needs `target_link_libraries(NAME PRIVATE hlc_options)`).
#
# Layering. Each folder below src/ (and tools/formscript) is one library made by hlc_library(). A library
# sees its own headers and those of the libraries it USES, nothing else: its include directory is a folder
# of the build tree, build/include/NAME, that holds one link named as the folder is included ("ui",
# "tools/formscript") pointing to the sources. So `#include "line/line.h"` compiles only in a target that
# links `line`, and a wrong include fails with "No such file or directory".
# Every library has a LAYER: numeric 0; ui, touchstone, match 1; the calculators 2; chart 3; wiring 4;
# formscript 5; the rooms of the window 5 to 9 (src/app/app.cmake). A library may use only libraries of a
# lower layer (checked here at configure time; two calculators never see each other), and the test
# layering.includes proves that no header of the same or a higher layer is reachable from any library.
#
# A new folder: one hlc_library() call in the top CMakeLists.txt, for example
#   hlc_library(chart LAYER 3 USES ui point line tuner touchstone)

add_library(hlc_options INTERFACE)
target_compile_options(hlc_options INTERFACE -Wall -Wextra)
# GCC 12 reports impossible overlaps in std::string assignments at -O2 and above (its bug 105651).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(hlc_options INTERFACE -Wno-restrict)
endif()
if(HLC_SANITIZE)
  target_compile_options(hlc_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all
                                               -fno-omit-frame-pointer)
  target_link_options(hlc_options INTERFACE -fsanitize=address,undefined)
endif()
if(HLC_FUZZ)
  target_compile_options(hlc_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
if(HLC_COVERAGE)
  target_compile_options(hlc_options INTERFACE --coverage -O0)
  target_link_options(hlc_options INTERFACE --coverage)
endif()

set(HLC_INCLUDE_ROOT ${CMAKE_BINARY_DIR}/include)

# hlc_library(NAME LAYER n [FOLDER dir] [INCLUDE_AS prefix] [SOURCES files...] [USES libs...]
#             [PRIVATE_USES libs...])
#   FOLDER      the sources, relative to the source root; default src/NAME
#   INCLUDE_AS  how its headers are included; default NAME ("ui/form.h")
#   SOURCES     default: every .cpp of FOLDER; a folder of headers only makes an interface library
#   USES        libraries its headers include (passed on to its users); PRIVATE_USES: its sources only
function(hlc_library name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "LAYER;FOLDER;INCLUDE_AS" "SOURCES;USES;PRIVATE_USES")
  if(NOT DEFINED ARG_LAYER)
    message(FATAL_ERROR "hlc_library(${name}): LAYER missing")
  endif()
  if(NOT ARG_FOLDER)
    set(ARG_FOLDER src/${name})
  endif()
  if(NOT ARG_INCLUDE_AS)
    set(ARG_INCLUDE_AS ${name})
  endif()
  set(dir ${CMAKE_SOURCE_DIR}/${ARG_FOLDER})
  if(NOT IS_DIRECTORY ${dir})
    message(FATAL_ERROR "hlc_library(${name}): no folder ${ARG_FOLDER}")
  endif()
  if(NOT ARG_SOURCES)
    file(GLOB ARG_SOURCES CONFIGURE_DEPENDS ${dir}/*.cpp)
  endif()
  foreach(dep IN LISTS ARG_USES ARG_PRIVATE_USES)
    if(TARGET ${dep})
      get_target_property(depLayer ${dep} HLC_LAYER)
      if(NOT depLayer MATCHES "NOTFOUND$" AND NOT depLayer LESS ARG_LAYER)
        message(FATAL_ERROR "hlc_library(${name}): layer ${ARG_LAYER} may not use ${dep} (layer ${depLayer})")
      endif()
    endif()
  endforeach()

  set(root ${HLC_INCLUDE_ROOT}/${name})
  set(link ${root}/${ARG_INCLUDE_AS})
  get_filename_component(linkParent ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${linkParent})
  if(NOT IS_SYMLINK ${link})
    file(CREATE_LINK ${dir} ${link} SYMBOLIC)
  endif()
  if(ARG_SOURCES)
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${root})
    target_link_libraries(${name} PUBLIC ${ARG_USES} PRIVATE ${ARG_PRIVATE_USES} hlc_options)
  else() # headers only
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${root})
    target_link_libraries(${name} INTERFACE ${ARG_USES} ${ARG_PRIVATE_USES})
  endif()
  set_target_properties(${name} PROPERTIES HLC_LAYER ${ARG_LAYER})
  set_property(GLOBAL APPEND PROPERTY HLC_LIBRARIES ${name})
  set_property(GLOBAL PROPERTY HLC_LIBRARY_${name} "${ARG_LAYER};${ARG_INCLUDE_AS};${dir}")
endfunction()

# The test that no library reaches a header it may not use: for every pair of libraries where the other
# one lies on the same or a higher layer, a file including one of its headers must fail to compile with
# the first library's include directories.
function(hlc_layering_test)
  get_property(libraries GLOBAL PROPERTY HLC_LIBRARIES)
  set(table "")
  foreach(lib IN LISTS libraries)
    get_property(info GLOBAL PROPERTY HLC_LIBRARY_${lib})
    get_target_property(type ${lib} TYPE)
    set(property INCLUDE_DIRECTORIES) # what its own sources see
    if(type STREQUAL "INTERFACE_LIBRARY")
      set(property INTERFACE_INCLUDE_DIRECTORIES) # headers only: what its headers see
    endif()
    file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/layering/${lib}.includes CONTENT "$<TARGET_PROPERTY:${lib},${property}>")
    string(REPLACE ";" "|" info "${info}")
    list(APPEND table "${lib}|${info}")
  endforeach()
  string(REPLACE ";" "," table "${table}")
  add_test(NAME layering.includes
           COMMAND ${CMAKE_COMMAND} -DCXX=${CMAKE_CXX_COMPILER} -DDIR=${CMAKE_BINARY_DIR}/layering
                   "-DLIBRARIES=${table}" -P ${CMAKE_SOURCE_DIR}/cmake/layering_check.cmake)
endfunction()
