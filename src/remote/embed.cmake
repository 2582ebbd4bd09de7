# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles data/remote-settings.txt into the core, so the program can start the same way
# when the vendor's site cannot be reached. Included from src/CMakeLists.txt.
set(_brisvale_remote_data ${PROJECT_SOURCE_DIR}/data/remote-settings.txt)
file(READ ${_brisvale_remote_data} BRISVALE_REMOTE_SETTINGS_TEXT)
string(FIND "${BRISVALE_REMOTE_SETTINGS_TEXT}" ")brisvale_remote" _brisvale_remote_clash)
if(NOT _brisvale_remote_clash EQUAL -1)
    message(FATAL_ERROR "${_brisvale_remote_data} holds the raw-string delimiter )brisvale_remote")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_brisvale_remote_data})
configure_file(${CMAKE_CURRENT_LIST_DIR}/builtin_remote_text.hpp.in
               ${CMAKE_CURRENT_BINARY_DIR}/generated/remote/builtin_remote_text.hpp @ONLY)
target_include_directories(brisvale_remote PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
