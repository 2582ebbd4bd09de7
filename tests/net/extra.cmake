# The network fetcher against real HTTP servers on 127.0.0.1 that the tests start themselves.
if(TARGET brisvale_net)
    find_package(Python3 COMPONENTS Interpreter QUIET)
    if(Python3_Interpreter_FOUND)
        file(GLOB _net_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/net/*_test.cpp)
        add_executable(test_net ${_net_test_sources} ${CMAKE_CURRENT_SOURCE_DIR}/net/main.cpp)
        target_link_libraries(test_net PRIVATE brisvale_net brisvale_test_support Qt6::Core
                              Qt6::Network GTest::gtest GTest::gmock)
        target_compile_definitions(test_net PRIVATE
            BRISVALE_PYTHON="${Python3_EXECUTABLE}"
            BRISVALE_SERVE_SCRIPT="${CMAKE_CURRENT_SOURCE_DIR}/net/serve.py")
        gtest_discover_tests(test_net DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                             PROPERTIES TIMEOUT 120)
    else()
        message(STATUS "python3 not found: test_net (local HTTP server) is not built")
    endif()
endif()
