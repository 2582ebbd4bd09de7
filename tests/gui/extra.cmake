# The window's tests: GoogleTest driving the real widgets with QtTest, on the offscreen
# platform. Also the program that takes the screenshots of docs/screenshots.
if(TARGET brisvale_app AND TARGET Qt6::Test)
    add_library(gui_harness STATIC ${CMAKE_CURRENT_SOURCE_DIR}/gui/harness.cpp)
    target_link_libraries(gui_harness PUBLIC brisvale_app Qt6::Widgets Qt6::Test)

    file(GLOB gui_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/gui/*_test.cpp)
    add_executable(test_gui ${CMAKE_CURRENT_SOURCE_DIR}/gui/main.cpp ${gui_tests})
    target_link_libraries(test_gui PRIVATE gui_harness GTest::gtest GTest::gmock)
    gtest_discover_tests(test_gui DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)

    add_executable(gui_screenshots ${CMAKE_CURRENT_SOURCE_DIR}/gui/screenshots.cpp)
    target_link_libraries(gui_screenshots PRIVATE gui_harness)
endif()
