# SPDX-License-Identifier: GPL-3.0-or-later
# The network fetcher against real HTTP and HTTPS servers on 127.0.0.1 that the tests start.
if(TARGET brisvale_net)
    find_package(Python3 COMPONENTS Interpreter REQUIRED)
    add_executable(test_net ${CMAKE_CURRENT_SOURCE_DIR}/net/qt_fetcher_test.cpp)
    target_link_libraries(test_net PRIVATE brisvale_net brisvale_test_support Qt6::Core Qt6::Network
                          GTest::gtest)
    target_compile_definitions(test_net PRIVATE BRISVALE_PYTHON="${Python3_EXECUTABLE}"
                               BRISVALE_SERVE_SCRIPT="${CMAKE_CURRENT_SOURCE_DIR}/net/serve.py")
    gtest_discover_tests(test_net DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endif()
