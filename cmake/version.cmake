# SPDX-License-Identifier: GPL-3.0-or-later
# The program's version, in one place: the project's VERSION, refined in a git checkout so that
# every commit builds a different version which Debian's tools order correctly:
#   at the tag v<VERSION>            0.1.0
#   N commits after that tag         0.1.0+N.g<commit>
#   no such tag yet (a pre-release)  0.1.0~N.g<commit>   (N: commits since the start)
# The package, --version, the man pages and the AppStream file all read BRISVALE_VERSION.

set(BRISVALE_VERSION ${PROJECT_VERSION})
# The release date of the AppStream entry: the commit's date, or today outside git (both
# reproducible under SOURCE_DATE_EPOCH).
string(TIMESTAMP BRISVALE_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP BRISVALE_RELEASE_DATE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(BRISVALE_SOURCE_DATE_EPOCH "")

find_package(Git QUIET)
if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
    macro(brisvale_git out)
        execute_process(COMMAND ${GIT_EXECUTABLE} ${ARGN}
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                        OUTPUT_VARIABLE ${out} OUTPUT_STRIP_TRAILING_WHITESPACE
                        RESULT_VARIABLE _brisvale_git_result ERROR_QUIET)
        if(NOT _brisvale_git_result EQUAL 0)
            set(${out} "")
        endif()
    endmacro()

    brisvale_git(_describe describe --tags --long --abbrev=7 --match v${PROJECT_VERSION})
    brisvale_git(_commit rev-parse --short=7 HEAD)
    if(_describe MATCHES "-([0-9]+)-g([0-9a-f]+)$")
        if(NOT CMAKE_MATCH_1 EQUAL 0)
            set(BRISVALE_VERSION "${PROJECT_VERSION}+${CMAKE_MATCH_1}.g${CMAKE_MATCH_2}")
        endif()
    elseif(_commit)
        brisvale_git(_count rev-list --count HEAD)
        set(BRISVALE_VERSION "${PROJECT_VERSION}~${_count}.g${_commit}")
    endif()

    brisvale_git(_epoch log -1 --format=%ct)
    if(_epoch)
        set(BRISVALE_SOURCE_DATE_EPOCH ${_epoch})
        brisvale_git(BRISVALE_RELEASE_DATE log -1 --format=%cd --date=format:%Y-%m-%d)
        brisvale_git(BRISVALE_RELEASE_DATE_RFC2822 log -1 --format=%cD)
    endif()

    # A commit, checkout or new tag changes the version: configure again.
    brisvale_git(_head_log rev-parse --path-format=absolute --git-path logs/HEAD)
    brisvale_git(_packed_refs rev-parse --path-format=absolute --git-path packed-refs)
    foreach(_file ${_head_log} ${_packed_refs})
        if(EXISTS ${_file})
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_file})
        endif()
    endforeach()
endif()
message(STATUS "Brisvale version ${BRISVALE_VERSION}")
