# SPDX-FileCopyrightText: 2026 The Poolwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows downloads: an installer made with NSIS (target `installer`) and a portable .zip
# (target `portable`), both holding the one executable, the licence and the third-party
# notices.
set(POOLWRIGHT_DOWNLOAD_NAME poolwright-${PROJECT_VERSION}-windows-x64)
set(POOLWRIGHT_INSTALLER ${CMAKE_BINARY_DIR}/${POOLWRIGHT_DOWNLOAD_NAME}-setup.exe)
set(POOLWRIGHT_PORTABLE ${CMAKE_BINARY_DIR}/${POOLWRIGHT_DOWNLOAD_NAME}.zip)
set(POOLWRIGHT_ICO ${PROJECT_SOURCE_DIR}/resources/icons/poolwright.ico)
set(POOLWRIGHT_README ${CMAKE_BINARY_DIR}/windows/README.txt)
set(POOLWRIGHT_EXE "$<TARGET_FILE:poolwright>")
set(POOLWRIGHT_SETTINGSKEY "$<TARGET_FILE:settingskey>")

set(POOLWRIGHT_LICENSE_TXT ${CMAKE_BINARY_DIR}/windows/LICENSE.txt)
set(POOLWRIGHT_NOTICES ${CMAKE_BINARY_DIR}/windows/THIRD-PARTY-NOTICES.txt)

configure_file(${PROJECT_SOURCE_DIR}/resources/windows/README.txt ${POOLWRIGHT_README} @ONLY
               NEWLINE_STYLE CRLF)
# The licence holds no @, so nothing in it is replaced; only its line ends become Windows'.
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${POOLWRIGHT_LICENSE_TXT} @ONLY NEWLINE_STYLE CRLF)

# What the link took of Qt, of the compiler's and mingw-w64's runtimes, and the font: the
# notices follow the link map, so they stay true when Qt's configure line changes. The record
# of Qt's components and the Debian source it was built from are kept with Qt by
# tools/windows-qt.
set(qt_record ${QT6_INSTALL_PREFIX}/share/poolwright-notices)
file(GLOB qt_source_files ${QT6_INSTALL_PREFIX}/share/poolwright-source/*)
if(NOT EXISTS ${qt_record}/record.json OR NOT qt_source_files OR NOT POOLWRIGHT_REFERENCE_FONT)
    message(STATUS "Qt in ${QT6_INSTALL_PREFIX} has no record of its components or no source "
                   "beside it, or the font is missing: the Windows downloads, which owe their "
                   "notices, are made only by tools/dev windows")
    return()
endif()
set(qt_source_names)
foreach(file IN LISTS qt_source_files)
    get_filename_component(name ${file} NAME)
    list(APPEND qt_source_names ${name})
endforeach()
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${POOLWRIGHT_NOTICES}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/qt-notices write
            --record ${qt_record} --map ${CMAKE_BINARY_DIR}/src/app/poolwright.map
            --build-root ${CMAKE_BINARY_DIR} --font ${POOLWRIGHT_REFERENCE_FONT}
            --qt-source-files ${qt_source_names} --out ${POOLWRIGHT_NOTICES}
    DEPENDS poolwright ${PROJECT_SOURCE_DIR}/tools/qt-notices ${qt_record}/record.json
    COMMENT "Writing the third-party notices from the link map"
    VERBATIM)
add_custom_target(notices ALL DEPENDS ${POOLWRIGHT_NOTICES})
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/poolwright.nsi.in
               ${CMAKE_BINARY_DIR}/windows/poolwright.nsi.in @ONLY)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/windows/poolwright.nsi
     INPUT ${CMAKE_BINARY_DIR}/windows/poolwright.nsi.in)

# The installer needs NSIS; without it only the portable .zip is made.
find_program(MAKENSIS makensis)
if(NOT MAKENSIS)
    message(STATUS "makensis not found: the Windows installer is not made")
endif()
if(MAKENSIS)
add_custom_command(OUTPUT ${POOLWRIGHT_INSTALLER}
    COMMAND ${MAKENSIS} -V2 -NOCD ${CMAKE_BINARY_DIR}/windows/poolwright.nsi
    DEPENDS poolwright settingskey ${CMAKE_BINARY_DIR}/windows/poolwright.nsi ${POOLWRIGHT_ICO}
            ${POOLWRIGHT_README} ${POOLWRIGHT_LICENSE_TXT} ${POOLWRIGHT_NOTICES}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/windows
    COMMENT "Making the installer ${POOLWRIGHT_DOWNLOAD_NAME}-setup.exe"
    VERBATIM)
add_custom_target(installer ALL DEPENDS ${POOLWRIGHT_INSTALLER})
endif()

# Made again at every build, so that its dates follow the last commit even when no file in it
# changed (tools/portable-zip: fixed dates, order and permissions).
add_custom_target(portable ALL
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/portable-zip
            --source ${PROJECT_SOURCE_DIR} --out ${POOLWRIGHT_PORTABLE}
            --folder ${POOLWRIGHT_DOWNLOAD_NAME}
            $<TARGET_FILE:poolwright> ${POOLWRIGHT_README} ${POOLWRIGHT_LICENSE_TXT}
            ${POOLWRIGHT_NOTICES}
    BYPRODUCTS ${POOLWRIGHT_PORTABLE}
    COMMENT "Making the portable ${POOLWRIGHT_DOWNLOAD_NAME}.zip"
    VERBATIM)
add_dependencies(portable poolwright notices)
