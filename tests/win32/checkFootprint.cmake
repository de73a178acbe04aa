# cmake -DFILE=PATH -DLIMIT_KB=N -DIMPORTS=A.dll;B.dll -DOBJDUMP=objdump -P checkFootprint.cmake:
# fails when the program is larger than N KB or imports at load time other DLLs than these, which
# every start would load and start before it does anything.
file(SIZE ${FILE} size)
math(EXPR kb "${size} / 1024")
message(STATUS "${FILE}: ${kb} KB, at most ${LIMIT_KB} KB")
if(kb GREATER LIMIT_KB)
    message(FATAL_ERROR "${FILE} is ${kb} KB, more than ${LIMIT_KB} KB")
endif()
execute_process(COMMAND ${OBJDUMP} -p ${FILE} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${headers}")
string(REPLACE "DLL Name: " "" imported "${lines}")
message(STATUS "imported at load time: ${imported}")
# DLL names are compared as Windows compares them; a program without kernel32 among its imports
# is one whose import table was not read.
string(TOLOWER "${imported}" imported)
string(TOLOWER "${IMPORTS}" IMPORTS)
list(FIND imported kernel32.dll kernel32)
if(kernel32 EQUAL -1)
    message(FATAL_ERROR "no import of kernel32.dll read from ${FILE}")
endif()
foreach(dll ${imported})
    list(FIND IMPORTS ${dll} known)
    if(known EQUAL -1)
        message(FATAL_ERROR "${FILE} imports ${dll} at load time")
    endif()
endforeach()
