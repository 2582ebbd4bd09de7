# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Brisvale like any desktop program: the programs, the menu entry and icons, the
# AppStream data, the man pages, the guide, and the Debian package made from all of it.
include(GNUInstallDirs)

set(BRISVALE_APP_ID "io.github.brisvale.Brisvale" CACHE STRING
    "Reverse-DNS id of the desktop entry, icon and AppStream component")
set(BRISVALE_HOMEPAGE "https://github.com/brisvale/brisvale" CACHE STRING "Project home page")
set(BRISVALE_SCREENSHOTS "https://raw.githubusercontent.com/brisvale/brisvale/main/docs/screenshots"
    CACHE STRING "Where the AppStream screenshots are published")
set(BRISVALE_MAINTAINER "Brisvale developers <brisvale@example.org>" CACHE STRING
    "Maintainer of the Debian package, name and address")
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The guide sits in the data folder, found from the program's own place, so that the build
# tree (build/bin, build/share) and any install prefix work alike.
set(BRISVALE_GUIDE_DIR ${CMAKE_INSTALL_DATADIR}/brisvale/guide)
file(RELATIVE_PATH BRISVALE_GUIDE_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/brisvale/guide)

find_program(GZIP gzip REQUIRED)
set(BRISVALE_PROGRAMS)
foreach(program brisvale brisvale-cli brisvale-sim)
    if(TARGET ${program})
        list(APPEND BRISVALE_PROGRAMS ${program})
        target_compile_definitions(${program} PRIVATE BRISVALE_VERSION="${BRISVALE_VERSION}")
        # Relocations read-only from the start, as Debian's hardening asks.
        target_link_options(${program} PRIVATE LINKER:-z,relro LINKER:-z,now)
    endif()
endforeach()
if(TARGET brisvale)
    target_compile_definitions(brisvale PRIVATE BRISVALE_APP_ID="${BRISVALE_APP_ID}")
    target_compile_definitions(brisvale_app PRIVATE
                               BRISVALE_GUIDE_FROM_BIN="${BRISVALE_GUIDE_FROM_BIN}")
endif()
install(TARGETS ${BRISVALE_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

add_subdirectory(${PROJECT_SOURCE_DIR}/data ${PROJECT_BINARY_DIR}/data)
add_subdirectory(${PROJECT_SOURCE_DIR}/man ${PROJECT_BINARY_DIR}/man)
add_subdirectory(${PROJECT_SOURCE_DIR}/docs ${PROJECT_BINARY_DIR}/docs)
include(${PROJECT_SOURCE_DIR}/tests/install/tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/package.cmake)
