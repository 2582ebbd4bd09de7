# SPDX-License-Identifier: GPL-3.0-or-later
# The screen reader on recorded pictures of the fake table (tests/screen/fixtures, written by
# `brisvale_fake_table --fixtures DIR`), on the offscreen platform.
if(TARGET brisvale_app)
    file(GLOB screen_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/screen/*_test.cpp)
    add_executable(test_screen ${screen_tests})
    target_link_libraries(test_screen PRIVATE brisvale_app brisvale_test_support GTest::gtest
                          GTest::gtest_main)
    target_compile_definitions(test_screen PRIVATE
        BRISVALE_SCREEN_FIXTURES="${CMAKE_CURRENT_SOURCE_DIR}/screen/fixtures")
    gtest_discover_tests(test_screen DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()

# End to end on a real X server: the fake table plays 100 seeded spins, the window reads them off
# the screen, and its history must equal them (label `reader`: about three minutes).
find_program(XVFB_RUN xvfb-run)
if(TARGET brisvale_app AND TARGET brisvale_fake_table)
    add_executable(screen_xvfb_play ${CMAKE_CURRENT_SOURCE_DIR}/screen/xvfb_play.cpp)
    target_link_libraries(screen_xvfb_play PRIVATE brisvale_app brisvale_test_support)
    if(XVFB_RUN)
        foreach(look disc panel strip)
            add_test(NAME screen_reads_100_spins_${look}
                     COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24"
                             $<TARGET_FILE:screen_xvfb_play> $<TARGET_FILE:brisvale_fake_table>
                             ${look} 100)
            set_tests_properties(screen_reads_100_spins_${look} PROPERTIES LABELS reader
                                 TIMEOUT 400 ENVIRONMENT "QT_QPA_PLATFORM=xcb")
        endforeach()
    endif()
endif()
