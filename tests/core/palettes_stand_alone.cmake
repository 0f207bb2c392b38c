# Fails when a file of the palette formats includes the history or the Win32 framework: the
# formats stand on their own palette type and the portable core alone.
file(GLOB sources ${DIR}/*.h ${DIR}/*.cpp)
foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
        if(line MATCHES "[\"<](history/|framework/win/|app/|windows\\.h)")
            message(FATAL_ERROR "${source}: ${line}")
        endif()
    endforeach()
endforeach()
list(LENGTH sources count)
message(STATUS "${count} files of src/palettes include neither the history nor Win32")
