# The Debian package of the Linux build: `cpack -G DEB` in the binary
# directory. It holds whatever the project installs (the programs, the
# desktop entry and the icons).
set(CPACK_PACKAGE_NAME stenvik)
set(CPACK_PACKAGE_VENDOR Stenvik)
set(CPACK_PACKAGE_CONTACT "Stenvik developers <stenvik@stenvik.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.stenvik.example")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The platform plugins are loaded at run time, so shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
include(CPack)
