# `make package` (or `cmake --build build --target package`): a Debian package of the installed
# tree, under /usr. The libraries come from dpkg-shlibdeps; what the program loads at run time
# without linking to it is listed by hand: Qt's SQL drivers and image-format plugins, Qt's own
# translations, and the metric-compatible face the prints place their texts with.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarzil)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Norvisk)
set(CPACK_PACKAGE_CONTACT "Norvisk <info@quarzil.it>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stock management for small businesses")
# The summary is the control file's first description line; this text follows it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quarzil keeps items, customers, suppliers and workers, and every stock movement
(loads, sales, returns, receipt sales), from which each item's stock follows.
It prints invoices, transport documents, receipts, lists, labels and reports,
keeps an agenda and exchanges items as CSV and XML. The archive is an embedded
SQLite file or a PostgreSQL catalog shared by several computers; quarzil-cli
works on it from scripts.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quarzil.it")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The picture editor and the pages open through xdg-open; scanners are found by SANE's own
# backends (libsane1 comes through the library it links).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6sql6-sqlite, libqt6sql6-psql, qt6-image-formats-plugins, qt6-translations-l10n, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# Packages go to the build folder's packages/ (cpack -B chooses another).
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
include(CPack)
