# SPDX-License-Identifier: GPL-3.0-or-later
# The window's tests: GoogleTest driving the real widgets with QtTest, on the offscreen
# platform.
if(TARGET brisvale_app AND TARGET Qt6::Test)
    file(GLOB gui_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/gui/*_test.cpp)
    add_executable(test_gui ${CMAKE_CURRENT_SOURCE_DIR}/gui/harness.cpp ${gui_tests})
    target_link_libraries(test_gui PRIVATE brisvale_app brisvale_test_support Qt6::Widgets Qt6::Test
                          GTest::gtest GTest::gmock)
    gtest_discover_tests(test_gui DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)  # offscreen
endif()

# The program itself: its command line, and a start that paints and ends.
if(TARGET brisvale)
    # --help, --version and a mistaken option need no display; the mistake ends with status 1.
    string(REGEX REPLACE "([.+~])" "[\\1]" version_pattern "${BRISVALE_VERSION}")
    add_test(NAME brisvale_command_line COMMAND sh -c "\"$1\" --version && \"$1\" --help && \"$1\" -style fusion --bogus 2>&1; echo status $?"
                                                 sh $<TARGET_FILE:brisvale>)
    set_tests_properties(brisvale_command_line PROPERTIES PASS_REGULAR_EXPRESSION
        "^brisvale ${version_pattern}\nUsage: brisvale .*--data-dir <DIR>.*--remote-site <URL>.*--seed <N>.*Unknown option 'bogus'.*status 1"
        ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:")
    # "-d" removes an old debug log; the first start writes the default settings.
    set(gui_data ${CMAKE_CURRENT_BINARY_DIR}/gui-start-data)
    add_test(NAME brisvale_first_start
             COMMAND sh -c "rm -rf '${gui_data}' && mkdir -p '${gui_data}' && touch '${gui_data}/debug.txt' && \"$1\" --data-dir '${gui_data}' -d --quit-after-first-paint && test ! -e '${gui_data}/debug.txt' && test -s '${gui_data}/brisvale-settings.txt'"
                     sh $<TARGET_FILE:brisvale>)
    # Its window preferences stay in the test's folder too.
    set_tests_properties(brisvale_first_start PROPERTIES
                         ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/gui-start-config"
                         TIMEOUT 60)
endif()
