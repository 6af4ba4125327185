# The Debian package (cpack -G DEB): everything `cmake --install` lays out, under /usr,
# with the shared libraries' packages found by dpkg-shlibdeps and the Qt plugins the
# program loads at run time (window system, help's SQLite driver, SVG icon) named by hand.
set(CPACK_PACKAGE_NAME trabelux)
set(CPACK_PACKAGE_VENDOR "Trabelux")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Análisis y diseño de vigas continuas de hormigón armado")
set(CPACK_PACKAGE_DESCRIPTION
    "Trabelux analiza una viga continua por el método de rigidez, diseña su refuerzo a flexión y cortante, propone las barras y compone la memoria de cálculo. Toneladas y metros; interfaz en español.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Trabelux <trabelux@invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, fonts-liberation")
set(CPACK_GENERATOR DEB)
include(CPack)
