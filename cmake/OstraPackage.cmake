# The Debian package: `cpack -G DEB` in a build folder makes ostra_<version>_<arch>.deb
# of everything `cmake --install` installs, under /usr. Library dependencies
# come from dpkg-shlibdeps; the program library's (libostra-app.so, which the small
# executable loads) and the web view and sound modules' are found the same way.
# tests/install/check-package.sh holds it to lintian's errors and warnings.
set(CPACK_PACKAGE_NAME ostra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Feldt")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small editor for hand-written web source files")
set(CPACK_PACKAGE_DESCRIPTION
    "Ostra edits HTML, XML, ASP and CSS source files, colours their markup,\ninserts element templates and previews the page on its own tab or in the\nuser's browser.")
set(CPACK_PACKAGE_CONTACT "Ostra developers <ostra@feldt.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://feldt.org/ostra/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
