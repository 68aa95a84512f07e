# Qt Test tests of the real window. They drive the real widgets on the offscreen platform; the screenshot
# test shows the window on a virtual X display and saves it as window.png (window@2x.png at twice the
# scale) in this build folder.
find_package(Qt6 REQUIRED COMPONENTS Test)

function(hlc_qt_test name)
  add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp ${CMAKE_CURRENT_LIST_DIR}/harness.h)
  target_link_libraries(${name} PRIVATE hamlinecalc_app line Qt6::Test hlc_options)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
endfunction()

foreach(name window_test layout_test accessibility_test mainwindow_test language_test)
  hlc_qt_test(${name})
  add_test(NAME qt.${name} COMMAND ${name})
  set_tests_properties(qt.${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()

# The decimal sign of the displayed results follows the regional setting of the system.
add_test(NAME qt.window_test_comma_locale COMMAND window_test decimalSignFromLocale)
set_tests_properties(qt.window_test_comma_locale PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=it_IT.UTF-8")

# A high-density screen: the fixed layout drawn at twice the scale still fits, nothing over anything.
add_test(NAME qt.layout_test_2x COMMAND layout_test)
set_tests_properties(qt.layout_test_2x PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")

# Every text of the menus and dialogs has its English translation.
add_test(NAME qt.translations_finished
         COMMAND ${CMAKE_COMMAND} -DTS_FILE=${CMAKE_SOURCE_DIR}/src/app/translations/hamlinecalc_en.ts
                 -DMODEL_TS_FILE=${CMAKE_SOURCE_DIR}/src/app/translations/window_en.ts
                 -P ${CMAKE_CURRENT_LIST_DIR}/translations_finished.cmake)

# The layout and what a screen reader hears, again with the window in English.
foreach(name layout_test accessibility_test)
  add_test(NAME qt.${name}_en COMMAND ${name})
  set_tests_properties(qt.${name}_en PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HLC_TEST_LANGUAGE=en")
endforeach()

hlc_qt_test(screenshot_test)
# HLC_UPDATE_DOCS_SCREENSHOT=1 in the environment also saves the picture as docs/screenshot.png.
target_compile_definitions(screenshot_test PRIVATE SCREENSHOT_DIR="${CMAKE_CURRENT_BINARY_DIR}"
                                                   DOCS_DIR="${CMAKE_SOURCE_DIR}/docs")
find_program(XVFB_RUN xvfb-run)
if(XVFB_RUN)
  add_test(NAME qt.screenshot
           COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:screenshot_test>)
  set_tests_properties(qt.screenshot PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb")
  # The same window on a high-density screen, saved as window@2x.png; the screen holds it whole.
  add_test(NAME qt.screenshot_2x
           COMMAND ${XVFB_RUN} -a -s "-screen 0 2560x2048x24" $<TARGET_FILE:screenshot_test>)
  set_tests_properties(qt.screenshot_2x PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb;QT_SCALE_FACTOR=2")
  # The layout and the operator's input again, with the fonts, metrics and events of a real X display.
  foreach(name layout_test window_test)
    add_test(NAME qt.${name}_x11 COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:${name}>)
    set_tests_properties(qt.${name}_x11 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb")
  endforeach()
else()
  message(WARNING "xvfb-run not found: the screenshot test is not run (scripts/setup.sh installs it)")
endif()

# The Smith chart window: pictures in a light and a dark palette, the readout, designs, export.
hlc_qt_test(chart_test)
add_test(NAME qt.chart_test COMMAND chart_test)
set_tests_properties(qt.chart_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# The Touchstone import: the menu entry, a file dropped on a panel, the dialog's OK and Cancel.
hlc_qt_test(touchstone_import_test)
add_test(NAME qt.touchstone_import_test COMMAND touchstone_import_test)
set_tests_properties(qt.touchstone_import_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# The Smith chart in the application: Ctrl+M, following the window live, a design's path on the chart.
hlc_qt_test(smithchart_test)
add_test(NAME qt.smithchart_test COMMAND smithchart_test)
set_tests_properties(qt.smithchart_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# No widget style is forced: the layout must hold under the style the desktop chooses. Fusion is the
# toolkit's default here; the plain Windows style is checked as well.
add_test(NAME qt.layout_test_windows_style COMMAND layout_test)
set_tests_properties(qt.layout_test_windows_style PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_STYLE_OVERRIDE=Windows")
if(XVFB_RUN)
  add_test(NAME qt.screenshot_windows_style
           COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:screenshot_test>)
  set_tests_properties(qt.screenshot_windows_style PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;QT_STYLE_OVERRIDE=Windows;HLC_SCREENSHOT_SUFFIX=-windows")
endif()
