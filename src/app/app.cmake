# The real window: the Qt 6 Widgets binding of the window model, and the executable.
add_library(hamlinecalc_app STATIC
  ${CMAKE_CURRENT_LIST_DIR}/qtwindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qtports.cpp
  ${CMAKE_CURRENT_LIST_DIR}/widgets.cpp)
target_link_libraries(hamlinecalc_app PUBLIC wiring Qt6::Widgets)

add_executable(hamlinecalc ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(hamlinecalc PRIVATE hamlinecalc_app)
