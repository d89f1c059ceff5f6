# Run by cmake --install (and CPack): writes the bus's activation file for
# the automation class with the absolute path of the program just installed,
# spelled as the program's own per-user file spells it (plain when it can be,
# else in the quotes the bus daemon's Exec splitting understands).
if(IS_ABSOLUTE "${NUMBRIX_BINDIR}")
    set(program "${NUMBRIX_BINDIR}/numbrix-calc")
else()
    set(program "${CMAKE_INSTALL_PREFIX}/${NUMBRIX_BINDIR}/numbrix-calc")
endif()
if(program MATCHES "^[A-Za-z0-9/._+,:@=-]+$")
    set(NUMBRIX_INSTALLED_PROGRAM "${program}")
elseif(NOT program MATCHES "[\\\\'\n]")
    set(NUMBRIX_INSTALLED_PROGRAM "'${program}'")
else()
    message(FATAL_ERROR "the bus cannot start a program at ${program}: choose another prefix")
endif()
configure_file("${NUMBRIX_SERVICE_TEMPLATE}" "${NUMBRIX_SERVICE_STAGING}/numbrix.calculator.service" @ONLY)
file(INSTALL "${NUMBRIX_SERVICE_STAGING}/numbrix.calculator.service"
     DESTINATION "${CMAKE_INSTALL_PREFIX}/${NUMBRIX_SERVICE_DESTINATION}")
