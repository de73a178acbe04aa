# cmake -DFILE=PATH -DLIMIT_KB=N -P checkSize.cmake: fails when the file is larger than N KB.
file(SIZE ${FILE} size)
math(EXPR kb "${size} / 1024")
message(STATUS "${FILE}: ${kb} KB, at most ${LIMIT_KB} KB")
if(kb GREATER LIMIT_KB)
    message(FATAL_ERROR "${FILE} is ${kb} KB, more than ${LIMIT_KB} KB")
endif()
