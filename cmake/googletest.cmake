# GoogleTest from Debian's sources, built with this tree's compiler, and the helper that
# registers a test program's cases with CTest. Under Wine every case needs the prefix's
# persistent wineserver, which the fixture "wine" starts and ends.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

function(brisk_add_gtests target)
    gtest_add_tests(TARGET ${target} TEST_PREFIX "${target}." TEST_LIST cases)
    if(CMAKE_CROSSCOMPILING)
        set_tests_properties(${cases} PROPERTIES FIXTURES_REQUIRED wine)
    endif()
    set(${target}_cases ${cases} PARENT_SCOPE)
endfunction()

# Cases of a test program (registered by brisk_add_gtests) whose names match pattern run one at
# a time with each other: they share something of the prefix, such as a registry key. lock may
# be a list of such names.
function(brisk_lock_gtests target pattern lock)
    foreach(case ${${target}_cases})
        if(case MATCHES "${pattern}")
            set_tests_properties(${case} PROPERTIES RESOURCE_LOCK "${lock}")
        endif()
    endforeach()
endfunction()
