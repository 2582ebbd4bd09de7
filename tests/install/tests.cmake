# SPDX-License-Identifier: GPL-3.0-or-later
# The install as a desktop and a user meet it: every file in its place under a fresh prefix,
# the desktop entry and the AppStream data valid, the man pages rendering without warnings.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(install_check_args --prefix ${PROJECT_BINARY_DIR}/install-check --id ${BRISVALE_APP_ID}
                       --programs ${BRISVALE_PROGRAMS})
add_test(NAME install_files
         COMMAND ${Python3_EXECUTABLE} -B ${CMAKE_CURRENT_LIST_DIR}/check_install.py files
                 --build ${PROJECT_BINARY_DIR} --version ${BRISVALE_VERSION} ${install_check_args})
set_tests_properties(install_files PROPERTIES FIXTURES_SETUP installed LABELS install)
foreach(check desktop appstream man)
    add_test(NAME install_${check}
             COMMAND ${Python3_EXECUTABLE} -B ${CMAKE_CURRENT_LIST_DIR}/check_install.py ${check}
                     ${install_check_args})
    set_tests_properties(install_${check} PROPERTIES FIXTURES_REQUIRED installed LABELS install)
endforeach()
