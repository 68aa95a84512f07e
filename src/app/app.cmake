# The real window: the Qt 6 Widgets binding of the window model, the application window around it, and
# the executable.
add_library(hamlinecalc_app STATIC
  ${CMAKE_CURRENT_LIST_DIR}/qtwindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qtports.cpp
  ${CMAKE_CURRENT_LIST_DIR}/widgets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow.h
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/touchstoneimport.h
  ${CMAKE_CURRENT_LIST_DIR}/touchstoneimport.cpp)
target_link_libraries(hamlinecalc_app PUBLIC wiring Qt6::Widgets)
set_target_properties(hamlinecalc_app PROPERTIES AUTOMOC ON)

add_executable(hamlinecalc ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(hamlinecalc PRIVATE hamlinecalc_app)

# The Smith chart window: the chart widget, its band plots and the matching part; export as SVG.
find_package(Qt6 REQUIRED COMPONENTS Svg)
target_sources(hamlinecalc_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/smithchartview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bandplotview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chartwindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/smithchart.cpp)
target_link_libraries(hamlinecalc_app PUBLIC chart match Qt6::Svg)
