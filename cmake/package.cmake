# SPDX-License-Identifier: GPL-3.0-or-later
# `make package`: a Debian package made by CPack from the install rules, its dependencies
# worked out by dpkg-shlibdeps from the programs themselves.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brisvale)
set(CPACK_PACKAGE_VERSION ${BRISVALE_VERSION})
set(CPACK_PACKAGE_VENDOR "The Brisvale developers")
set(CPACK_PACKAGE_CONTACT ${BRISVALE_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${BRISVALE_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "roulette advisor for online single-zero roulette")
set(CPACK_PACKAGE_DESCRIPTION [=[
Brisvale sits in a small window beside an online roulette table. You click
each result on a picture of the layout; Brisvale tracks how long every bet
has slept, tells you what to bet, where and how much, following a wager
progression with stop and quit marks, settles your balance and keeps a spin
history per casino that can be replayed.

The package holds the window, brisvale, and the same advisor driven by text
commands, brisvale-cli, with their manual pages and a user guide. No
progression changes the house edge of 2.70 %.]=])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian keeps games' programs in /usr/games, and these are ordinary programs in
# /usr/bin (the desktop menu still lists the window among the games).
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The alert sounds play through Qt Multimedia and its media backends. Tesseract's library comes
# with the shared-library dependencies; its English data, which the screen reader loads at run
# time, does not.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6multimedia6, tesseract-ocr-eng")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Nothing but what install() names goes in: no test or benchmark program.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};ALL;/")
include(CPack)
