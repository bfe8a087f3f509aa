# SPDX-FileCopyrightText: 2026 The Poolwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack when it makes a package. The times in the package are those of the last commit
# (SOURCE_DATE_EPOCH, which the DEB generator honours), never the clock's, so that anyone
# rebuilding the same commit gets the same package. A time given in the environment wins.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    find_program(POOLWRIGHT_GIT git)
    if(POOLWRIGHT_GIT)
        execute_process(
            COMMAND ${POOLWRIGHT_GIT} -C ${CPACK_POOLWRIGHT_SOURCE_DIR} log -1 --format=%ct
            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET
            RESULT_VARIABLE status)
    endif()
    if(POOLWRIGHT_GIT AND status EQUAL 0 AND epoch MATCHES "^[0-9]+$")
        set(ENV{SOURCE_DATE_EPOCH} ${epoch})
    else()
        message(WARNING "Not a git checkout and no SOURCE_DATE_EPOCH: the package carries the "
                        "time of this build")
    endif()
endif()

# The folders of the package and the members of the .deb keep the permissions they were made
# with, which the umask decides: under another umask than Debian's usual one the package
# differs from everyone else's (tools/dev deb makes it under 022).
execute_process(COMMAND sh -c umask OUTPUT_VARIABLE umask OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT umask MATCHES "^0*22$")
    message(WARNING "cpack runs under umask ${umask}, not 022: the package will differ from one "
                    "made under 022")
endif()
