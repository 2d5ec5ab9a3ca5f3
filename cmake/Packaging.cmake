# The Debian package (cpack -G DEB, see scripts/package.sh). Its dependencies
# come from the libraries the programs link (dpkg-shlibdeps), so the package
# installs with apt on a fresh system.

set(NORVANE_MAINTAINER "Norvane maintainers <maintainers@norvane.invalid>"
    CACHE STRING "The Debian package's maintainer, as \"Name <address>\"")

set(CPACK_PACKAGE_NAME norvane)
set(CPACK_PACKAGE_VENDOR zelkar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${NORVANE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for fixed-format COBOL programs")
set(CPACK_PACKAGE_DESCRIPTION
    "Norvane is a desktop editor for COBOL programmers. Beside the text of a program
it shows the program's structure as a tree kept in step with the caret, jumps
from a name to its definition and back, finds and replaces, and edits blocks
in COBOL's fixed columns. From a selected record definition it computes the
record layout and opens fixed-length data files (display, COMP and COMP-3
fields) as an editable grid that it writes back. Every file is kept byte for
byte, with its own line endings.
.
The package also holds norvane-cli, which prints structure trees, record
layouts and data files as text and CSV for scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to dpkg-shlibdeps: Qt's SVG icon engine and
# image plugin draw every icon of the program.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4)")
# norvane_<version>_<arch>.deb, as Debian names its packages.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
