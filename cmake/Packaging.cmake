# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package. `make package` (or `cpack` in the build folder) builds
# hitblow_<version>-<revision>_<architecture>.deb from the install rules, with the manual page and
# the files every Debian package carries: its copyright and its changelog.

# The fonts the game's texts need in every language it speaks: Latin, Japanese and Chinese.
set(HITBLOW_FONT_PACKAGES "fonts-dejavu-core, fonts-wqy-microhei" CACHE STRING
    "Debian packages of the fonts the game's texts need, recommended by its package")
set(HITBLOW_PACKAGE_MAINTAINER "The Hit & Blow developers <hitblow@example.org>" CACHE STRING
    "Name and address in the Debian package's Maintainer field and changelog")
set(HITBLOW_DEBIAN_REVISION 1)

# The release date comes from the software-centre metadata, so it is written in one place.
file(STRINGS resources/desktop/org.hitblow.HitBlow.metainfo.xml hitblow_release_line
     REGEX "<release version=\"${PROJECT_VERSION}\" date=\"[0-9-]+\"")
string(REGEX MATCH "[0-9]+-[0-9]+-[0-9]+" HITBLOW_RELEASE_DATE "${hitblow_release_line}")
if(NOT HITBLOW_RELEASE_DATE)
    message(FATAL_ERROR "The metainfo file has no release entry for version ${PROJECT_VERSION}")
endif()
execute_process(COMMAND date -u -R -d "${HITBLOW_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE HITBLOW_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(HITBLOW_DEBIAN_VERSION ${PROJECT_VERSION}-${HITBLOW_DEBIAN_REVISION})

# Manual pages and changelogs are installed compressed; gzip -n leaves out the name and time, so
# the same sources give the same package.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(hitblow_packaging_dir ${CMAKE_CURRENT_BINARY_DIR}/packaging)
configure_file(resources/debian/hitblow.6.in ${hitblow_packaging_dir}/hitblow.6 @ONLY)
configure_file(resources/debian/changelog.in ${hitblow_packaging_dir}/changelog.Debian @ONLY)
set(hitblow_compressed)
foreach(name hitblow.6 changelog.Debian)
    add_custom_command(OUTPUT ${hitblow_packaging_dir}/${name}.gz
        COMMAND ${GZIP_PROGRAM} -9nkf ${name}
        DEPENDS ${hitblow_packaging_dir}/${name}
        WORKING_DIRECTORY ${hitblow_packaging_dir}
        COMMENT "Compressing ${name}")
    list(APPEND hitblow_compressed ${hitblow_packaging_dir}/${name}.gz)
endforeach()
add_custom_target(hitblow_packaging_files ALL DEPENDS ${hitblow_compressed})

# Debian installs games in /usr/games; a plain `cmake --install` puts the program in bin/.
install(TARGETS hitblow RUNTIME DESTINATION games COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${hitblow_packaging_dir}/hitblow.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# Only the package carries the Debian files: a plain `cmake --install` leaves them out.
install(FILES resources/debian/copyright ${hitblow_packaging_dir}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/hitblow
        COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hitblow)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Hit & Blow developers")
set(CPACK_PACKAGE_CONTACT "${HITBLOW_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number-guessing logic game against the computer")
# The extended description as dpkg shows it: lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "You and the computer each hide a number of four different digits and take"
    "turns guessing the other's. Every guess is scored in hits (the right digit in"
    "the right place) and blows (the right digit in the wrong place). The first to"
    "score four hits wins."
    "."
    "The computer plays at four strengths, the strongest within a hair of the"
    "proven optimum. Statistics, hints and a number pad for mouse-only play come"
    "with it. The game speaks English, Japanese, German, French, Spanish and"
    "Simplified Chinese.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${HITBLOW_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies on the libraries the program links, with their versions, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations give the standard buttons in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "${HITBLOW_FONT_PACKAGES}, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# Everything a plain installation installs but the program in bin/, and the Debian files.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/"
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")
include(CPack)

# Builds the package, checks it with lintian and starts the program unpacked from it. Sanitizer
# builds are for finding faults, not for shipping, so they have no package test.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND AND NOT HITBLOW_SANITIZE)
    add_test(NAME debian_package
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/package/check_package.py ${PROJECT_BINARY_DIR}
                --cpack ${CMAKE_CPACK_COMMAND} --version ${HITBLOW_DEBIAN_VERSION}
                --recommends "${HITBLOW_FONT_PACKAGES}")
    set_tests_properties(debian_package PROPERTIES TIMEOUT 180 SKIP_RETURN_CODE 77)
endif()
