# SPDX-FileCopyrightText: 2026 The Poolwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts beside the program on a freedesktop system, and the Debian
# package `cpack -G DEB` makes of it.
include(GNUInstallDirs)

set(POOLWRIGHT_APP_ID org.poolwright.Poolwright)

if(UNIX AND NOT APPLE)
    set(resources ${PROJECT_SOURCE_DIR}/resources)
    install(FILES ${resources}/${POOLWRIGHT_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${resources}/${POOLWRIGHT_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${resources}/icons/poolwright.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
            RENAME ${POOLWRIGHT_APP_ID}.png)
    foreach(size 16 48 64 128 256)
        install(FILES ${resources}/icons/poolwright-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${POOLWRIGHT_APP_ID}.png)
    endforeach()
    install(FILES ${resources}/icons/poolwright.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${POOLWRIGHT_APP_ID}.svg)

    # The manual page and the changelog, compressed as Debian keeps them (no name or time in
    # the gzip header, so that the package builds the same twice), and the copyright file.
    find_program(GZIP gzip REQUIRED)
    set(compressed)
    foreach(document debian/poolwright.1 debian/changelog)
        get_filename_component(name ${document} NAME)
        set(output ${CMAKE_BINARY_DIR}/package/${name}.gz)
        add_custom_command(OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/package
            COMMAND ${GZIP} -9nc ${resources}/${document} > ${output}
            DEPENDS ${resources}/${document}
            VERBATIM)
        list(APPEND compressed ${output})
    endforeach()
    add_custom_target(package_documents ALL DEPENDS ${compressed})
    install(FILES ${CMAKE_BINARY_DIR}/package/poolwright.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${CMAKE_BINARY_DIR}/package/changelog.gz ${resources}/debian/copyright
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/poolwright)
endif()

set(CPACK_PACKAGE_NAME poolwright)
set(CPACK_PACKAGE_VENDOR "The Poolwright developers")
set(CPACK_PACKAGE_CONTACT "The Poolwright developers <poolwright@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculator for the chemicals a swimming pool needs")
# Lines of at most 80 characters, as Debian's description field wants them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Poolwright turns a pool's size and a wanted change in the water into the\n"
    "quantity of a chemical to add: bleach, bicarbonate, calcium chloride, cyanuric\n"
    "acid, pH adjusters, borax and salt, in Imperial or Metric units. It also works\n"
    "out a pool's volume and how much water to drain to dilute it.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries come from dpkg-shlibdeps. The font is read at run time, not linked: the
# windows are laid out in it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine")
# On a high-density screen a scalable font stands in for the bitmap one.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
# The package's times come from the last commit (cmake/cpack-options.cmake).
set(CPACK_POOLWRIGHT_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack-options.cmake)
include(CPack)
