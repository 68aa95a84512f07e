# The real window, in rooms: each folder below src/app is a library of its own, on a layer above the model
# and the tools, its headers included as "app/ROOM/file.h". From the bottom up:
#   i18n   (5)  the language of the window: the translations and the switch between them
#   form   (6)  the Qt binding of the window model (QtWindow), the model's ports, the two drawn widgets
#   shell  (7)  the application window: the form in a zooming scroll area, the menu bar, the icon
#   features (8) chart, help, import, analyser: each installs its menus, dialogs and windows on the shell, and none
#               sees another (one layer); the shell knows none of them
#   root   (9)  the composition root: builds the shell, installs every feature, runs the program
# A new feature (a dialog, a window) is one more folder src/app/NAME and one hlc_app_room(NAME LAYER 8 ...)
# line below, its install function called by the root (root/application.cpp).

# hlc_app_room(NAME LAYER n [USES libs...] [PRIVATE_USES libs...]): the folder src/app/NAME as the library
# app_NAME (hlc_library's layering), with Qt's meta-object compiler on its classes.
function(hlc_app_room name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "LAYER;TARGET" "USES;PRIVATE_USES")
  if(NOT ARG_TARGET)
    set(ARG_TARGET app_${name})
  endif()
  hlc_library(${ARG_TARGET} LAYER ${ARG_LAYER} FOLDER src/app/${name} INCLUDE_AS app/${name}
              USES ${ARG_USES} PRIVATE_USES ${ARG_PRIVATE_USES})
  set_target_properties(${ARG_TARGET} PROPERTIES AUTOMOC ON)
endfunction()

hlc_app_room(i18n LAYER 5 USES Qt6::Widgets)
hlc_app_room(form LAYER 6 USES ui app_i18n Qt6::Widgets)
hlc_app_room(shell LAYER 7 USES app_form PRIVATE_USES wiring Qt6::Svg)

# The features.
hlc_app_room(chart LAYER 8 USES app_shell chart Qt6::Svg PRIVATE_USES match wiring)
hlc_app_room(help LAYER 8 USES app_shell)
hlc_app_room(import LAYER 8 USES app_shell touchstone wiring)
hlc_app_room(analyser LAYER 8 USES app_shell analyser touchstone PRIVATE_USES wiring)
hlc_app_room(cables LAYER 8 USES app_shell cables PRIVATE_USES wiring touchstone)

# The composition root; the Qt tests and the benchmarks link it to reach every room.
hlc_app_room(root LAYER 9 TARGET hamlinecalc_app USES app_shell app_chart app_help app_import app_analyser app_cables)

add_executable(hamlinecalc ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(hamlinecalc PRIVATE hamlinecalc_app hlc_options)

# The window in English, built into the program. i18n/translations/window_en.ts holds the window model's
# captions, tool tips and accessible names, kept by hand (the Qt test language_test checks that none is
# missing); i18n/translations/hamlinecalc_en.ts the tr() texts of every room (menus, dialogs), refreshed
# from the sources with `cmake --build build --target update_translations`.
set(HLC_TRANSLATIONS ${CMAKE_CURRENT_LIST_DIR}/i18n/translations)
file(GLOB HLC_APP_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*/*.h)
# The root sees every room's headers, which lupdate reads to know each class's namespace.
qt_add_lupdate(hamlinecalc_app TS_FILES ${HLC_TRANSLATIONS}/hamlinecalc_en.ts SOURCES ${HLC_APP_SOURCES}
               OPTIONS -no-obsolete -locations none)
qt_add_lrelease(app_i18n
  TS_FILES ${HLC_TRANSLATIONS}/hamlinecalc_en.ts ${HLC_TRANSLATIONS}/window_en.ts
  QM_FILES_OUTPUT_VARIABLE HLC_QM_FILES)
qt_add_resources(app_i18n hamlinecalc_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}
                 FILES ${HLC_QM_FILES})

# The program's icon (the desktop entry's), for its windows and the "Informazioni" box.
set_source_files_properties(${CMAKE_SOURCE_DIR}/packaging/io.github.hamlinecalc.HamLineCalc.svg
                            PROPERTIES QT_RESOURCE_ALIAS hamlinecalc.svg)
qt_add_resources(app_shell hamlinecalc_icon PREFIX /icons
                 FILES ${CMAKE_SOURCE_DIR}/packaging/io.github.hamlinecalc.HamLineCalc.svg)

# The "Aiuto" menu: the user guide built into the program (docs/guide.md with its pictures), read by
# QTextBrowser as Markdown, and the "Informazioni" box.
target_compile_definitions(app_help PRIVATE HLC_VERSION="${PROJECT_VERSION}")
qt_add_resources(app_help hamlinecalc_guide PREFIX /guide BASE ${CMAKE_SOURCE_DIR}/docs
                 FILES ${CMAKE_SOURCE_DIR}/docs/guide.md ${CMAKE_SOURCE_DIR}/docs/smithchart.png)
