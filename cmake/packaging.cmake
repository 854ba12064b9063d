# The Debian package of the Linux build: `cpack -G DEB` in the binary
# directory. It holds whatever the project installs (the programs, the
# desktop entry and the icons).
set(CPACK_PACKAGE_NAME stenvik)
set(CPACK_PACKAGE_VENDOR Stenvik)
set(CPACK_PACKAGE_CONTACT "Stenvik developers <stenvik@stenvik.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION "\
Stenvik makes random rows for the Swedish football pools Stryktipset and
Italienska Stryktipset in one small window: single rows or a system of half
and full covers, drawn by the classic or the statistical method, with any
sure matches you already know. The rows can be edited by hand and saved as a
text file, also in the format Svenska Spel takes for uploading your own rows.
.
stenvik-cli makes the same rows from the command line, and tells what a
coupon costs, its upload rows, and its correct signs against the results.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.stenvik.example")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The platform plugins are loaded at run time, so shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# The window measures itself in Tahoma when it is there.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-wine)
include(CPack)
