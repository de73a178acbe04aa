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
endfunction()
