# Read by CPack: a package is made from a plain optimised build only.
if(CPACK_GENERATOR STREQUAL "DEB")
    if(CPACK_NUMBRIX_SANITIZE OR NOT CPACK_NUMBRIX_BUILD_TYPE MATCHES "^(RelWithDebInfo|Release)$")
        message(FATAL_ERROR "package a RelWithDebInfo or Release build without sanitizers "
                            "(this one: ${CPACK_NUMBRIX_BUILD_TYPE}, sanitize ${CPACK_NUMBRIX_SANITIZE})")
    endif()
endif()
