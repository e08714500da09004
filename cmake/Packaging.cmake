# The Debian package (scripts/package.sh): everything `cmake --install` puts under the prefix,
# the library dependencies found by dpkg-shlibdeps from the executable.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glyphwell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "font viewer and font manager")
set(CPACK_PACKAGE_DESCRIPTION
    "Glyphwell Viewer shows thousands of fonts at once as a scrolling list in which every row\n\
carries the font's name and a line of sample text drawn in that very font. It reads TrueType\n\
files and collections and shows the screen fonts, the installed fonts, or the fonts found in\n\
up to five folders; it installs and uninstalls fonts for the user.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(GW_PACKAGE_MAINTAINER "Glyphwell Viewer developers <maintainers@glyphwell.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${GW_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
