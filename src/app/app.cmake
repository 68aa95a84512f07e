# The real window: the Qt 6 Widgets binding of the window model, the application window around it, and
# the executable.
hlc_library(hamlinecalc_app LAYER 5 FOLDER src/app INCLUDE_AS app
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/qtwindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qtports.cpp
    ${CMAKE_CURRENT_LIST_DIR}/widgets.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow.h
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/touchstoneimport.h
    ${CMAKE_CURRENT_LIST_DIR}/touchstoneimport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/language.h
    ${CMAKE_CURRENT_LIST_DIR}/language.cpp
  USES wiring chart Qt6::Widgets)
set_target_properties(hamlinecalc_app PROPERTIES AUTOMOC ON)

# The window in English, built into the program. translations/window_en.ts holds the window model's
# captions, tool tips and accessible names, kept by hand (the Qt test language_test checks that none is
# missing); translations/hamlinecalc_en.ts the tr() texts of src/app (menus, dialogs), refreshed from the
# sources with `cmake --build build --target update_translations`.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
qt_add_lupdate(hamlinecalc_app TS_FILES ${CMAKE_CURRENT_LIST_DIR}/translations/hamlinecalc_en.ts
               OPTIONS -no-obsolete -locations none -tr-function-alias translate+=liveText)
qt_add_lrelease(hamlinecalc_app
  TS_FILES ${CMAKE_CURRENT_LIST_DIR}/translations/hamlinecalc_en.ts
           ${CMAKE_CURRENT_LIST_DIR}/translations/window_en.ts
  QM_FILES_OUTPUT_VARIABLE HLC_QM_FILES)
qt_add_resources(hamlinecalc_app hamlinecalc_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}
                 FILES ${HLC_QM_FILES})

add_executable(hamlinecalc ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(hamlinecalc PRIVATE hamlinecalc_app hlc_options)

# The Smith chart window: the chart widget, its band plots and the matching part; export as SVG.
find_package(Qt6 REQUIRED COMPONENTS Svg)
target_sources(hamlinecalc_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/smithchartview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bandplotview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chartwindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/smithchart.cpp)
target_link_libraries(hamlinecalc_app PUBLIC chart match Qt6::Svg)

# The "Aiuto" menu: the user guide built into the program (docs/guide.md with its pictures), read by
# QTextBrowser as Markdown, and the "Informazioni" box; the program's icon (the desktop entry's).
target_sources(hamlinecalc_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/help.h
  ${CMAKE_CURRENT_LIST_DIR}/help.cpp)
target_compile_definitions(hamlinecalc_app PRIVATE HLC_VERSION="${PROJECT_VERSION}")
qt_add_resources(hamlinecalc_app hamlinecalc_guide PREFIX /guide BASE ${CMAKE_SOURCE_DIR}/docs
                 FILES ${CMAKE_SOURCE_DIR}/docs/guide.md ${CMAKE_SOURCE_DIR}/docs/smithchart.png)
set_source_files_properties(${CMAKE_SOURCE_DIR}/packaging/io.github.hamlinecalc.HamLineCalc.svg
                            PROPERTIES QT_RESOURCE_ALIAS hamlinecalc.svg)
qt_add_resources(hamlinecalc_app hamlinecalc_icon PREFIX /icons
                 FILES ${CMAKE_SOURCE_DIR}/packaging/io.github.hamlinecalc.HamLineCalc.svg)
