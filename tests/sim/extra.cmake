# SPDX-License-Identifier: GPL-3.0-or-later
# The simulator: unit tests, the house-edge runs (label `edge`, kept out of the quick suite),
# and brisvale-sim driven from the outside. The quick ones carry the label `sim`: make tsan runs
# them under ThreadSanitizer.
if(TARGET brisvale_sim)
    file(GLOB sim_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/sim/*_test.cpp)
    add_executable(test_sim ${sim_tests})
    add_executable(test_sim_edge ${CMAKE_CURRENT_SOURCE_DIR}/sim/house_edge.cpp)
    foreach(program test_sim test_sim_edge)
        target_link_libraries(${program} PRIVATE brisvale_sim brisvale_test_support GTest::gtest
                              GTest::gtest_main)
    endforeach()
    gtest_discover_tests(test_sim DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES LABELS sim)
    gtest_discover_tests(test_sim_edge DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES LABELS edge TIMEOUT 300)
endif()
if(TARGET brisvale-sim AND TARGET brisvale-cli)
    find_package(Python3 COMPONENTS Interpreter QUIET)
    if(Python3_Interpreter_FOUND)
        add_test(NAME e2e_sim
                 COMMAND ${Python3_EXECUTABLE} -B ${CMAKE_CURRENT_SOURCE_DIR}/sim/cli_test.py
                         $<TARGET_FILE:brisvale-cli> $<TARGET_FILE:brisvale-sim>)
        set_tests_properties(e2e_sim PROPERTIES LABELS sim)
    endif()
endif()
if(TARGET brisvale-sim)
    string(REGEX REPLACE "([.+~])" "[\\1]" sim_version_pattern "${BRISVALE_VERSION}")
    add_test(NAME brisvale_sim_version_and_help COMMAND sh -c "\"$1\" --version && \"$1\" --help"
                                                        sh $<TARGET_FILE:brisvale-sim>)
    set_tests_properties(brisvale_sim_version_and_help PROPERTIES LABELS sim PASS_REGULAR_EXPRESSION
        "^brisvale-sim ${sim_version_pattern}\n.*--sessions <N>.*--spins <FILE>.*--casino <NAME>.*--json <FILE>")
endif()
