# The Windows downloads: an installer made with NSIS (target `installer`) and a portable .zip
# (target `portable`), both holding the one executable.
set(POOLWRIGHT_DOWNLOAD_NAME poolwright-${PROJECT_VERSION}-windows-x64)
set(POOLWRIGHT_INSTALLER ${CMAKE_BINARY_DIR}/${POOLWRIGHT_DOWNLOAD_NAME}-setup.exe)
set(POOLWRIGHT_PORTABLE ${CMAKE_BINARY_DIR}/${POOLWRIGHT_DOWNLOAD_NAME}.zip)
set(POOLWRIGHT_ICO ${PROJECT_SOURCE_DIR}/resources/icons/poolwright.ico)
set(POOLWRIGHT_README ${CMAKE_BINARY_DIR}/windows/README.txt)
set(POOLWRIGHT_EXE "$<TARGET_FILE:poolwright>")
set(POOLWRIGHT_SETTINGSKEY "$<TARGET_FILE:settingskey>")

configure_file(${PROJECT_SOURCE_DIR}/resources/windows/README.txt ${POOLWRIGHT_README} @ONLY
               NEWLINE_STYLE CRLF)
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
            ${POOLWRIGHT_README}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/windows
    COMMENT "Making the installer ${POOLWRIGHT_DOWNLOAD_NAME}-setup.exe"
    VERBATIM)
add_custom_target(installer ALL DEPENDS ${POOLWRIGHT_INSTALLER})
endif()

set(portable_dir ${CMAKE_BINARY_DIR}/windows/${POOLWRIGHT_DOWNLOAD_NAME})
add_custom_command(OUTPUT ${POOLWRIGHT_PORTABLE}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${portable_dir}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${portable_dir}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:poolwright> ${POOLWRIGHT_README} ${portable_dir}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${POOLWRIGHT_PORTABLE}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${POOLWRIGHT_PORTABLE} --format=zip ${POOLWRIGHT_DOWNLOAD_NAME}
    DEPENDS poolwright ${POOLWRIGHT_README}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/windows
    COMMENT "Making the portable ${POOLWRIGHT_DOWNLOAD_NAME}.zip"
    VERBATIM)
add_custom_target(portable ALL DEPENDS ${POOLWRIGHT_PORTABLE})
