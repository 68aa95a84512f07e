# Installation into a desktop (binary, menu entry, icon, AppStream metadata) and the Debian package.
include(GNUInstallDirs)
# The documentation folder is named after the package (hamlinecalc), not after the project, unless the
# builder chose one.
if("$CACHE{CMAKE_INSTALL_DOCDIR}" STREQUAL "")
  set(CMAKE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/hamlinecalc)
endif()
set(HLC_APP_ID io.github.hamlinecalc.HamLineCalc)

install(TARGETS hamlinecalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${HLC_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${HLC_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${HLC_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The analyser's USB port for the user at the desk, and kept from ModemManager. udev reads the rules under
# /usr/lib and /usr/local/lib, so the folder follows the prefix.
set(HLC_UDEV_RULES_DIR lib/udev/rules.d CACHE STRING "Where the udev rule for the analyser goes (relative: under the prefix)")
install(FILES ${CMAKE_SOURCE_DIR}/packaging/70-hamlinecalc-nanovna.rules DESTINATION ${HLC_UDEV_RULES_DIR})

# The same icon drawn at the theme's fixed sizes, at build time, by a small tool of our own with Qt's SVG
# renderer (the one that draws the window's icon).
set(HLC_ICON_SIZES 16 22 24 32 48 64 128 256)
add_executable(render_icon ${CMAKE_SOURCE_DIR}/packaging/render_icon.cpp)
target_link_libraries(render_icon PRIVATE Qt6::Gui Qt6::Svg hlc_options)
set(HLC_ICON_PNGS)
foreach(size ${HLC_ICON_SIZES})
  list(APPEND HLC_ICON_PNGS ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps/${HLC_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${HLC_ICON_PNGS}
                   COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:render_icon>
                           ${CMAKE_SOURCE_DIR}/packaging/${HLC_APP_ID}.svg ${CMAKE_BINARY_DIR}/icons ${HLC_APP_ID}
                           ${HLC_ICON_SIZES}
                   DEPENDS render_icon ${CMAKE_SOURCE_DIR}/packaging/${HLC_APP_ID}.svg
                   COMMENT "Drawing the icon at the theme's sizes")
add_custom_target(icons ALL DEPENDS ${HLC_ICON_PNGS})
foreach(size ${HLC_ICON_SIZES})
  install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps/${HLC_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hamlinecalc)
set(CPACK_PACKAGE_VENDOR "The HamLineCalc developers")
set(CPACK_PACKAGE_CONTACT "The HamLineCalc developers <hamlinecalc@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "SWR, feed line and antenna tuner calculator for radio amateurs")
set(CPACK_PACKAGE_DESCRIPTION "One-window calculator for radio amateurs: SWR, reflection coefficient, return loss
and admittance at a point; power, voltage and current at an impedance; the loss of a two-port; the insertion
loss of an antenna tuner from its S-parameters; and the shift of an impedance along a lossy feed line chosen
from a catalog of 73 cables, with far-point SWR, losses, voltage, current, power and matching stubs.")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (dialog buttons, context menus) in Italian, as the window is.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
