# The Debian packages, one per install component, made by CPack
# (`cpack -G DEB` in the build folder, or `make package`):
#   zerb32-cli      the command-line converter, its stores and the zone
#                   plugin; no window toolkit and no Python
#   zerb32          the window and zerb32-plot, on top of zerb32-cli
#   python3-zerb32  the Python module, which loads zerb32-cli's zone plugin
# Each is <name>_<version>_<arch>.deb in the build folder, its library
# dependencies worked out from its binaries by dpkg-shlibdeps. The desktop
# and MIME databases are brought up to date by their own packages' triggers.
# Expects `components` and ZERB32_PACKAGE_NAME_<component> from the caller.

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${components})
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The ZERB32 developers")
set(CPACK_PACKAGE_CONTACT "The ZERB32 developers <zerb32@example.org>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)

set(about "ZERB32 turns the binary log files of a building-monitoring system into
text that a spreadsheet or another program can read: it decodes every
logged row, converts each raw count into an engineering value by the
channel's sensor type, and writes CSV, XML or an analysis style.
.")
set(same_cli "zerb32-cli (= ${PROJECT_VERSION})")

# The command line. SQLite, libpq and libxlsxwriter are loaded when they are
# needed, so dpkg-shlibdeps does not see them.
set(cli_depends)
if(ZERB32_HISTORY)
  list(APPEND cli_depends libsqlite3-0)
endif()
if(ZERB32_POSTGRES)
  list(APPEND cli_depends libpq5)
endif()
if(ZERB32_XLSX)
  string(REPLACE "libxlsxwriter.so." "libxlsxwriter" xlsx_package ${ZERB32_XLSX_SONAME})
  list(APPEND cli_depends ${xlsx_package})
endif()
# The watched-folder service's user is made by the package's postinst.
if(TARGET zerb_watch)
  list(APPEND cli_depends adduser)
  set(CPACK_DEBIAN_CLI_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_SOURCE_DIR}/watch/postinst
                                             ${CMAKE_CURRENT_SOURCE_DIR}/watch/postrm)
endif()
set(CPACK_DEBIAN_CLI_PACKAGE_NAME ${ZERB32_PACKAGE_NAME_cli})
set(CPACK_DEBIAN_CLI_PACKAGE_SECTION utils)
list(JOIN cli_depends ", " CPACK_DEBIAN_CLI_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_CLI_PACKAGE_RECOMMENDS bash-completion)
set(CPACK_DEBIAN_CLI_DESCRIPTION "converter of building-monitoring log files to CSV or XML
${about}
This package holds the command-line converter zerb32-cli for batch use
and servers: conversion, merging, the history stores (SQLite and
PostgreSQL), time zones, its manual page and bash completion. It needs
no window system and no Python.")

# The window and zerb32-plot, which draws its texts in one face so that its
# pictures are the same wherever it runs.
set(CPACK_DEBIAN_WINDOW_PACKAGE_NAME ${ZERB32_PACKAGE_NAME_window})
set(CPACK_DEBIAN_WINDOW_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_WINDOW_PACKAGE_DEPENDS "${same_cli}, fonts-dejavu-core")
set(CPACK_DEBIAN_WINDOW_DESCRIPTION "converter of building-monitoring log files (window and plotter)
${about}
This package holds the window zerb32 (open a log, plot its channels,
choose a style, convert) and the plotter zerb32-plot for reports and
scripts, their manual pages and the file types of the logs and site
files. The command-line converter comes with zerb32-cli.")

# The Python module: the Python it was built for (one minor version, the
# extension's ABI) and NumPy; the zone plugin and the store libraries of
# zerb32-cli.
get_property(python_depends GLOBAL PROPERTY ZERB32_PYTHON_DEB_DEPENDS)
set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME ${ZERB32_PACKAGE_NAME_python})
set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS "${same_cli}, ${python_depends}")
set(CPACK_DEBIAN_PYTHON_PACKAGE_SUGGESTS python3-pandas)
set(CPACK_DEBIAN_PYTHON_DESCRIPTION "converter of building-monitoring log files (Python module)
${about}
This package holds the Python module zerb32: logs read into NumPy arrays
with their channels' names and units, conversions and the history
stores, from Python.")

set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
include(CPack)
