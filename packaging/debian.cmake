# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a build folder. Dependencies come from the binaries
# (dpkg-shlibdeps); the maintainer scripts only ask udev to read the rule again.
set(CPACK_PACKAGE_NAME ferrox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Ferrox developers")
set(CPACK_PACKAGE_CONTACT "The Ferrox developers <ferrox-mouse@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration utility for a dual-mode gaming mouse")
# The body of the description; CPack puts the summary above it and indents it as dpkg wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ferrox sets the DPI levels and their colours, report rate, lift-off height,
debounce, power saving, lighting, the seven programmable buttons, macros and
five profiles of a gaming mouse on its USB cable or its 2.4 GHz receiver.

It comes as a window program, ferrox, and a command-line tool, ferroxctl.
A udev rule gives the user at the seat access to the mouse and the receiver.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${FERROX_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Debug information stays in the build folder; the package carries stripped programs.
set(CPACK_STRIP_FILES ON)
# Qt finds its platform plugins at run time, so no library dependency names them: the X11 one
# ships with libqt6gui6, the Wayland one does not.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_SOURCE_DIR}/debian/postinst ${CMAKE_CURRENT_SOURCE_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# A Debian package installs below /usr whatever prefix the build folder was configured with;
# the programs find their data relative to themselves, so that is all it takes.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
