# SPDX-License-Identifier: GPL-3.0-or-later
# Whole runs of brisvale-cli driven by scripts: each tests/e2e/*_test.py is one CTest test,
# handed the console's path.
if(TARGET brisvale-cli)
    find_package(Python3 COMPONENTS Interpreter QUIET)
    if(Python3_Interpreter_FOUND)
        file(GLOB e2e_scripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/e2e/*_test.py)
        foreach(script ${e2e_scripts})
            get_filename_component(name ${script} NAME_WE)
            add_test(NAME e2e_${name}
                     COMMAND ${Python3_EXECUTABLE} -B ${script} $<TARGET_FILE:brisvale-cli>)
        endforeach()
    endif()
endif()
