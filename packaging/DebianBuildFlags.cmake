# The Debian package's compiler and linker flags: what dpkg-buildflags gives
# a Debian build with every hardening feature (fortified C library calls,
# the stack protector, relocations read-only and bound at start-up; the
# compiler makes position-independent executables by default), added in
# front of our own, so the floating-point options of the top CMakeLists.txt
# still come last on every command line. Debian 12's dpkg does not yet add
# the two features later ones do (stack clash protection, branch protection:
# -fcf-protection on x86), which hardening-check asks for too: they are
# added here when the compiler takes them and dpkg-buildflags did not.
find_program(NUMBRIX_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
function(numbrix_dpkg_buildflags out name)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${NUMBRIX_DPKG_BUILDFLAGS} --get ${name}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(${out} "${flags}" PARENT_SCOPE)
endfunction()
numbrix_dpkg_buildflags(numbrix_cppflags CPPFLAGS)
numbrix_dpkg_buildflags(numbrix_cflags CFLAGS)
numbrix_dpkg_buildflags(numbrix_cxxflags CXXFLAGS)
numbrix_dpkg_buildflags(numbrix_ldflags LDFLAGS)
string(APPEND CMAKE_C_FLAGS " ${numbrix_cppflags} ${numbrix_cflags}")
string(APPEND CMAKE_CXX_FLAGS " ${numbrix_cppflags} ${numbrix_cxxflags}")
foreach(kind EXE SHARED MODULE)
    string(APPEND CMAKE_${kind}_LINKER_FLAGS " ${numbrix_ldflags}")
endforeach()
include(CheckCXXCompilerFlag)
foreach(flag -fstack-clash-protection -fcf-protection -mbranch-protection=standard)
    string(MAKE_C_IDENTIFIER "NUMBRIX_HAS${flag}" accepted)
    check_cxx_compiler_flag(${flag} ${accepted})
    if(${accepted} AND NOT numbrix_cxxflags MATCHES "(^| )${flag}")
        string(APPEND CMAKE_C_FLAGS " ${flag}")
        string(APPEND CMAKE_CXX_FLAGS " ${flag}")
    endif()
endforeach()
