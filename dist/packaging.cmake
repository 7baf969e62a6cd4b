# The Debian package (cpack -G DEB; scripts/package.sh runs it over an
# existing build tree). Its dependencies come from the shared libraries the
# programs link, through dpkg-shlibdeps, never from a hand-kept list.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tk48gcfg)
set(CPACK_PACKAGE_VENDOR VELTRA)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configurator for the TK48-G web data logger")
set(CPACK_PACKAGE_DESCRIPTION
    "Creates, edits, checks, saves, exports and imports the TK48-G's whole configuration, downloads it from and \
uploads it to a device over USB or the network, and runs maintenance commands on a connected device. Includes \
tk48gcfg-cli, the same core on the command line, and tk48sim, a simulated device to try it without one.")
set(CPACK_PACKAGE_CONTACT "TK48GCFG developers <tk48gcfg@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Japanese texts (the calendar's holiday mark, users' own names) show as boxes
# without a font that has their glyphs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk")
# cpack installs what scripts/package.sh has built, never builds the whole
# tree (tests and benchmarks) first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
