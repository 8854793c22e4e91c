# Run by CPack after it has written the Debian package (CPACK_POST_BUILD_SCRIPTS).
# CPack adds a postinst and a postrm that call ldconfig whenever a library
# lies in a folder under /usr/lib, as the engine library does in
# /usr/lib/trimbol. That folder is private: it is not on the loader's path, so
# those calls do nothing, and the package needs no maintainer scripts at all.
# This takes them out again, and refuses a script that does anything else.
find_program(DPKG_DEB dpkg-deb REQUIRED)
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    set(carpeta "${deb}.desfet")
    file(REMOVE_RECURSE "${carpeta}")
    execute_process(COMMAND ${DPKG_DEB} -R "${deb}" "${carpeta}" COMMAND_ERROR_IS_FATAL ANY)
    set(canviat FALSE)
    foreach(script postinst postrm)
        set(cami "${carpeta}/DEBIAN/${script}")
        if(NOT EXISTS "${cami}")
            continue()
        endif()
        file(STRINGS "${cami}" linies)
        foreach(linia IN LISTS linies)
            string(STRIP "${linia}" linia)
            if(NOT linia MATCHES [[^(|#!/bin/sh|set -e|if \[ "\$1" = "(configure|remove)" \]; then|ldconfig|fi)$]])
                message(FATAL_ERROR "${script} of ${deb} does more than call ldconfig: ${linia}")
            endif()
        endforeach()
        file(REMOVE "${cami}")
        set(canviat TRUE)
    endforeach()
    if(canviat)
        execute_process(COMMAND ${DPKG_DEB} --root-owner-group -Zgzip --build "${carpeta}" "${deb}"
            OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    endif()
    file(REMOVE_RECURSE "${carpeta}")
endforeach()
