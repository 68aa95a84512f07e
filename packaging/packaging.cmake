# Installation into a desktop (binary, menu entry, icon, AppStream metadata) and the Debian package.
include(GNUInstallDirs)
set(HLC_APP_ID io.github.hamlinecalc.HamLineCalc)

install(TARGETS hamlinecalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${HLC_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${HLC_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${HLC_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

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
