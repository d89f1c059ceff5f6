# Read by CPack: a package is made from a plain optimised build with
# Debian's hardening flags only.
if(CPACK_GENERATOR STREQUAL "DEB")
    if(CPACK_NUMBRIX_SANITIZE OR NOT CPACK_NUMBRIX_BUILD_TYPE MATCHES "^(RelWithDebInfo|Release)$")
        message(FATAL_ERROR "package a RelWithDebInfo or Release build without sanitizers "
                            "(this one: ${CPACK_NUMBRIX_BUILD_TYPE}, sanitize ${CPACK_NUMBRIX_SANITIZE})")
    endif()
    if(NOT CPACK_NUMBRIX_DEBIAN_BUILDFLAGS)
        message(FATAL_ERROR "package a build configured with -DNUMBRIX_DEBIAN_BUILDFLAGS=ON "
                            "(Debian's hardening flags)")
    endif()
endif()
