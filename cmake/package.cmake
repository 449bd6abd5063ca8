# `make package`: a Debian package of what `cmake --install` installs, under
# /usr. CPack builds it from this build tree, so no second build is needed;
# dpkg-shlibdeps adds the libraries the binary links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wellenzeiger)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # wellenzeiger_<version>_<arch>.deb
set(WELLENZEIGER_MAINTAINER
    "wellenzeiger maintainers <maintainers@users.noreply.c-seed-0d751244.example>"
    CACHE STRING "The package's maintainer, name and e-mail address")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${WELLENZEIGER_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to dpkg-shlibdeps: the fonts the windows
# are laid out with and Qt's German texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lehrprogramm zur Physik der Wellen")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "In bewegten und stehenden Strichbildern zeigt wellenzeiger, wie sich der"
    "Phasenzeiger einer Sinuswelle mit Zeit und Ort dreht, wie sich zwei Wellen"
    "überlagern und wie sich ihre Zeiger als Vektoren addieren. Ein zweites"
    "Fenster baut aus einer Reihe von Elementarwellen ein Wellenfeld auf"
    "(Huygens-Fresnel-Prinzip), mit den Zeigern an einem angeklickten Punkt"
    "und der Amplitudenverteilung längs eines Schnittes. Für den Unterricht,"
    "mit deutscher Oberfläche.")
include(CPack)
