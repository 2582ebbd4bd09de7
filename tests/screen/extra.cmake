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
