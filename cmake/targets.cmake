# How every target of the project is made: its compile options, and for the libraries the layering.
#
# Compile options. The interface library `hlc_options` carries the warnings and, when asked for, the
# instrumentation of the sanitizer, fuzz and coverage builds. Every target of the project links it
# (hlc_library does so itself; an add_executable needs `target_link_libraries(NAME PRIVATE hlc_options)`).
#
# Layering. Each folder below src/ (and tools/formscript) is one library made by hlc_library(), its headers
# named by their path below the source folder that holds them: `#include "line/line.h"`, with src/ (or
# the source root for "tools/formscript/...") as the include directory, so compilers, compile_commands.json
# and editors name every header by its own path. A library may include the headers of the libraries it
# uses (USES, PRIVATE_USES, and what those use in their headers), nothing else: the test layering.includes
# reads every quoted include of every library and names the one that reaches a library it does not use.
# Every library has a LAYER: numeric 0; ui, touchstone, match 1; the calculators 2; chart 3; wiring 4;
# formscript 5; the rooms of the window 5 to 9 (src/app/app.cmake). A library may use only libraries of a
# lower layer (checked here at configure time; two calculators never see each other).
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

  # The include directory: the folder above the one named by INCLUDE_AS ("src" for src/line as "line").
  string(LENGTH "${dir}" dirLength)
  string(LENGTH "/${ARG_INCLUDE_AS}" asLength)
  math(EXPR rootLength "${dirLength} - ${asLength}")
  if(rootLength LESS 1)
    message(FATAL_ERROR "hlc_library(${name}): ${ARG_FOLDER} is not included as ${ARG_INCLUDE_AS}")
  endif()
  string(SUBSTRING "${dir}" ${rootLength} -1 tail)
  string(SUBSTRING "${dir}" 0 ${rootLength} root)
  if(NOT tail STREQUAL "/${ARG_INCLUDE_AS}")
    message(FATAL_ERROR "hlc_library(${name}): ${ARG_FOLDER} is not included as ${ARG_INCLUDE_AS}")
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

# The libraries a library may include: itself, what it links, and what those pass on in their headers
# (their INTERFACE_LINK_LIBRARIES, not what a static library links privately).
function(hlc_reachable lib out)
  get_target_property(type ${lib} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(next ${lib} INTERFACE_LINK_LIBRARIES)
  else()
    get_target_property(next ${lib} LINK_LIBRARIES)
  endif()
  set(seen ${lib})
  while(next)
    list(POP_FRONT next dep)
    if(dep MATCHES "^\\$<LINK_ONLY:" OR NOT TARGET ${dep} OR dep IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${dep})
    get_target_property(more ${dep} INTERFACE_LINK_LIBRARIES)
    if(more)
      list(APPEND next ${more})
    endif()
  endwhile()
  get_property(libraries GLOBAL PROPERTY HLC_LIBRARIES)
  set(result "")
  foreach(dep IN LISTS seen)
    if(dep IN_LIST libraries)
      list(APPEND result ${dep})
    endif()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# The test that no library includes a header of a library it does not use, and the test that the check
# finds such an include (a library of layer 0 whose folder includes "ui/form.h").
function(hlc_layering_test)
  get_property(libraries GLOBAL PROPERTY HLC_LIBRARIES)
  set(table "")
  foreach(lib IN LISTS libraries)
    get_property(info GLOBAL PROPERTY HLC_LIBRARY_${lib})
    hlc_reachable(${lib} reachable)
    string(REPLACE ";" "+" reachable "${reachable}")
    string(REPLACE ";" "|" info "${info}")
    list(APPEND table "${lib}|${info}|${reachable}")
  endforeach()
  string(REPLACE ";" "," table "${table}")
  add_test(NAME layering.includes
           COMMAND ${CMAKE_COMMAND} "-DLIBRARIES=${table}" -P ${CMAKE_SOURCE_DIR}/cmake/layering_check.cmake)
  set(fixture "numeric|0|numeric|${CMAKE_SOURCE_DIR}/tests/layering|numeric,ui|1|ui|${CMAKE_SOURCE_DIR}/src/ui|ui+numeric")
  add_test(NAME layering.check_finds_an_upward_include
           COMMAND ${CMAKE_COMMAND} "-DLIBRARIES=${fixture}" -P ${CMAKE_SOURCE_DIR}/cmake/layering_check.cmake)
  set_tests_properties(layering.check_finds_an_upward_include PROPERTIES
                       PASS_REGULAR_EXPRESSION "reaches_up.cpp includes ui/form.h of ui \\(layer 1\\)")
endfunction()
