# The crash test: crash_writer rewrites a properties file for ever; test_storage_crash kills it
# at random moments and checks the file after every kill.
add_executable(crash_writer ${CMAKE_CURRENT_SOURCE_DIR}/storage/crash_writer.cpp)
target_link_libraries(crash_writer PRIVATE brisvale_test_support)

add_executable(test_storage_crash ${CMAKE_CURRENT_SOURCE_DIR}/storage/crash_check.cpp)
target_link_libraries(test_storage_crash PRIVATE brisvale_test_support GTest::gtest GTest::gtest_main)
target_compile_definitions(test_storage_crash PRIVATE CRASH_WRITER="$<TARGET_FILE:crash_writer>")
add_dependencies(test_storage_crash crash_writer)
add_test(NAME storage_crash COMMAND test_storage_crash)
set_tests_properties(storage_crash PROPERTIES TIMEOUT 120)
