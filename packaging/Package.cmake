# The Debian package: cmake --build build --target package writes
# build/zelvar-beam_<version>_amd64.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvar-beam)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zelvar-Beam-Projekt")
set(CPACK_PACKAGE_CONTACT "${ZB_MAINTAINER}")
# The package always installs under /usr, whatever prefix this build uses.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZB_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the binaries do not name them: the X11 platform
# plugin, Qt's German button texts, the metric twins of Arial and Courier New.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pdf-viewer")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Rechner für den Drahtbeam Zelvar-Beam nach Kalvex
Zelvar-Beam berechnet für Funkamateure einen Dreielement-Drahtbeam der Bauart
„Zelvar-Beam nach Kalvex“ mit Direktor, Strahler und Reflektor an zwei oder
drei Querträgern. Aus Band oder Resonanzfrequenz, Verkürzungsfaktor und
Drahtisolierung ergeben sich alle Drahtlängen, Abstände, Breiten, Querträger-
und Boomlängen. Die Ergebnistabelle Zelvar-Beam.txt lässt sich ansehen und
drucken; zelvar-beam-cli rechnet dasselbe ohne Fenster.")

include(CPack)
