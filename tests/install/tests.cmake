# SPDX-License-Identifier: GPL-3.0-or-later
# The install as a desktop and a user meet it: every file in its place under a fresh prefix,
# the desktop entry and the AppStream data valid, the man pages rendering without warnings.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(role FIXTURES_SETUP)  # the files check installs what the others look at
foreach(check files desktop appstream man)
    add_test(NAME install_${check}
             COMMAND ${Python3_EXECUTABLE} -B ${CMAKE_CURRENT_LIST_DIR}/check_install.py ${check}
                     --build ${PROJECT_BINARY_DIR} --version ${BRISVALE_VERSION} --prefix
                     ${PROJECT_BINARY_DIR}/install-check --id ${BRISVALE_APP_ID} --programs ${BRISVALE_PROGRAMS})
    set_tests_properties(install_${check} PROPERTIES LABELS install ${role} installed)
    set(role FIXTURES_REQUIRED)
endforeach()
