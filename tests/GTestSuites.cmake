# One CTest test per GoogleTest suite (not per test): a test program
# starts once for all the tests of a suite, which run in one process as
# they do when the program is run by hand. Most of a test's time under the
# sanitizers was the start and the leak check at the end of its own
# process.
#
# In the build (tests/CMakeLists.txt): numbrix_add_gtest_suites(TARGET
# LABEL [EXCLUDE SUITE...] [PROPERTIES ...]) lists the suites after each
# link of TARGET. In script mode (cmake -P, after the link): writes the
# CTest lines for the suites TEST_EXECUTABLE lists into OUTPUT.

function(numbrix_add_gtest_suites target label)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "EXCLUDE;PROPERTIES")
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -D TEST_EXECUTABLE=$<TARGET_FILE:${target}> -D OUTPUT=${output}
            -D LABEL=${label} "-D EXCLUDE=${arg_EXCLUDE}" "-D PROPERTIES=${arg_PROPERTIES}"
            -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
        BYPRODUCTS ${output} VERBATIM)
    # Until the first build there is nothing to include.
    set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_include.cmake)
    file(WRITE ${include_file} "if(EXISTS [=[${output}]=])\n  include([=[${output}]=])\nendif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    cmake_policy(VERSION 3.25)
    set(ENV{QT_QPA_PLATFORM} offscreen)
    execute_process(COMMAND ${TEST_EXECUTABLE} --gtest_list_tests
        OUTPUT_VARIABLE listing RESULT_VARIABLE result TIMEOUT 60)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${TEST_EXECUTABLE} --gtest_list_tests failed (${result}):\n${listing}")
    endif()
    string(REPLACE "\n" ";" lines "${listing}")
    set(script "")
    foreach(line IN LISTS lines)
        # A suite's line: its name and a dot, maybe a comment after it;
        # its tests follow indented.
        if(NOT line MATCHES "^([^ ][^ ]*)\\.( .*)?$")
            continue()
        endif()
        set(suite ${CMAKE_MATCH_1})
        if(suite IN_LIST EXCLUDE)
            continue()
        endif()
        string(APPEND script
            "add_test([=[${suite}]=] [=[${TEST_EXECUTABLE}]=] [=[--gtest_filter=${suite}.*]=])\n"
            "set_tests_properties([=[${suite}]=] PROPERTIES LABELS ${LABEL} ${PROPERTIES})\n")
    endforeach()
    file(WRITE ${OUTPUT} "${script}")
endif()
