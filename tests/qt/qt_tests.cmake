# Qt Test tests of the real window. They drive the real widgets on the offscreen platform; the screenshot
# test shows the window on a virtual X display and saves it as window.png (window@2x.png at twice the
# scale) in this build folder.

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
         COMMAND ${CMAKE_COMMAND} -DTS_FILE=${CMAKE_SOURCE_DIR}/src/app/i18n/translations/hamlinecalc_en.ts
                 -DMODEL_TS_FILE=${CMAKE_SOURCE_DIR}/src/app/i18n/translations/window_en.ts
                 -P ${CMAKE_CURRENT_LIST_DIR}/translations_finished.cmake)

# The layout and what a screen reader hears, again with the window in English.
foreach(name layout_test accessibility_test)
  add_test(NAME qt.${name}_en COMMAND ${name})
  set_tests_properties(qt.${name}_en PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HLC_TEST_LANGUAGE=en")
endforeach()

hlc_qt_test(screenshot_test)
# scripts/screenshots.sh runs it with HLC_UPDATE_DOCS_SCREENSHOT=1, which also saves the pictures of docs/.
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

# The "Aiuto" menu: the built-in guide (F1, Ctrl+F, the links of its contents), the "?" button when the
# desktop opens the address and when it cannot, the "Informazioni" box, the window's icon.
hlc_qt_test(help_test)
target_compile_definitions(help_test PRIVATE HLC_VERSION="${PROJECT_VERSION}")
add_test(NAME qt.help_test COMMAND help_test)
set_tests_properties(qt.help_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# The window on a desktop: the Fusion and Windows styles draw it differently, its texts stay readable in a
# dark palette; on laptop screens of 1366 x 768 and 1280 x 720 (an offscreen screen of that size, and an X
# display of that size) its frame lies on the screen and every control is reached by mouse and keyboard;
# under X, a real mouse wheel over an unfocused drop-down or the slider scrolls the window.
hlc_qt_test(desktop_test)
add_test(NAME qt.desktop_test COMMAND desktop_test)
set_tests_properties(qt.desktop_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
foreach(screen 1366x768 1280x720)
  add_test(NAME qt.desktop_test_${screen} COMMAND desktop_test fitsTheScreen
                                                  zoomGrowsTheWindowWhileTheScreenHasRoom
                                                  chartWindowStandsBesideTheCalculator)
  set_tests_properties(qt.desktop_test_${screen} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/screen-${screen}.json;HLC_TEST_SCREEN=${screen}")
  if(XVFB_RUN)
    add_test(NAME qt.desktop_test_x11_${screen}
             COMMAND ${XVFB_RUN} -a -s "-screen 0 ${screen}x24" $<TARGET_FILE:desktop_test>
                     fitsTheScreen wheelScrollsTheWindowOverUnfocusedControls
                     zoomGrowsTheWindowWhileTheScreenHasRoom chartWindowStandsBesideTheCalculator
                     wheelScrollsAnOpenList)
    set_tests_properties(qt.desktop_test_x11_${screen} PROPERTIES ENVIRONMENT
      "QT_QPA_PLATFORM=xcb;HLC_TEST_SCREEN=${screen}")
  endif()
endforeach()
# Every Tab stop shows its focus under the Windows style too (the Fusion style is the default run above),
# and with the fonts and events of a real X display.
add_test(NAME qt.desktop_test_focus_windows_style COMMAND desktop_test everyTabStopShowsItsFocus)
set_tests_properties(qt.desktop_test_focus_windows_style PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_STYLE_OVERRIDE=Windows")
if(XVFB_RUN)
  add_test(NAME qt.desktop_test_focus_x11
           COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:desktop_test> everyTabStopShowsItsFocus)
  set_tests_properties(qt.desktop_test_focus_x11 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb")
endif()
# A desktop screen: the chart window beside the calculator at the full start zoom.
add_test(NAME qt.desktop_test_1920x1080 COMMAND desktop_test chartWindowStandsBesideTheCalculator)
set_tests_properties(qt.desktop_test_1920x1080 PROPERTIES ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/screen-1920x1080.json;HLC_TEST_SCREEN=1920x1080")
# The layout test under the Fusion style by name, beside the Windows style above.
add_test(NAME qt.layout_test_fusion_style COMMAND layout_test)
set_tests_properties(qt.layout_test_fusion_style PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_STYLE_OVERRIDE=Fusion")

# What a screen reader hears over the desktop's accessibility bus (AT-SPI): 15 radio buttons, no check
# box, every input and button named. Skipped (not failed) where the AT-SPI tools are not installed.
add_test(NAME qt.atspi COMMAND ${CMAKE_CURRENT_LIST_DIR}/atspi_test.sh $<TARGET_FILE:hamlinecalc>)
set_tests_properties(qt.atspi PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 400)

# "Misura" > "Analizzatore..." against the stand-in analyser on a pseudo-terminal, in both languages.
hlc_qt_test(analyser_dialog_test)
target_link_libraries(analyser_dialog_test PRIVATE vnasim)
add_test(NAME qt.analyser_dialog_test COMMAND analyser_dialog_test)
add_test(NAME qt.analyser_dialog_test_en COMMAND analyser_dialog_test)
set_tests_properties(qt.analyser_dialog_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
set_tests_properties(qt.analyser_dialog_test_en PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HLC_TEST_LANGUAGE=en")

# The user's cables: the "Cavi" menu, the manager, the measurement from a sweep file, import and export.
hlc_qt_test(cable_manager_test)
target_link_libraries(cable_manager_test PRIVATE app_cables wiring cables)
target_compile_definitions(cable_manager_test PRIVATE HLC_TOUCHSTONE_DIR="${CMAKE_SOURCE_DIR}/tests/touchstone")
add_test(NAME qt.cable_manager_test COMMAND cable_manager_test)
set_tests_properties(qt.cable_manager_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
