# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the Windows resource script with the MinGW resource compiler, reads
# the compiled resources back and checks the icon and the version information.
#   cmake -DWINDRES=... -DPREPROCESSORE=... -DSCRIPT=zefiranda.rc -DCARTELLA=dir -P risorse_windows.cmake
file(REMOVE_RECURSE ${CARTELLA})
file(MAKE_DIRECTORY ${CARTELLA})
set(windres ${WINDRES} --preprocessor=${PREPROCESSORE})

execute_process(COMMAND ${windres} -i ${SCRIPT} -o ${CARTELLA}/zefiranda_rc.o RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "the resource script does not compile to an object file")
endif()
execute_process(COMMAND ${windres} -i ${SCRIPT} -O res -o ${CARTELLA}/zefiranda.res RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "the resource script does not compile to a .res file")
endif()
execute_process(COMMAND ${windres} -i ${CARTELLA}/zefiranda.res -O rc -o ${CARTELLA}/riletto.rc RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "the compiled resources cannot be read back")
endif()
file(READ ${CARTELLA}/riletto.rc riletto)

foreach(atteso
        "LANGUAGE 16, 1"
        "RT_GROUP_ICON"
        [=["\040\040\020\000", 1, 4]=]
        "FILEVERSION 1, 0, 0, 0"
        "PRODUCTVERSION 1, 0, 0, 0"
        "BLOCK \"041004E4\""
        "VALUE \"FileDescription\", \"Zefiranda\""
        "VALUE \"ProductName\", \"Zefiranda\""
        "VALUE \"ProductVersion\", \"1.00\""
        "VALUE \"FileVersion\", \"1.00\""
        "VALUE \"Translation\", 0x410, 1252")
    string(FIND "${riletto}" "${atteso}" dove)
    if(dove EQUAL -1)
        message(FATAL_ERROR "not in the compiled resources: ${atteso}\n${riletto}")
    endif()
endforeach()
message(STATUS "resource script compiled: icon 32 x 32 x 16 colours, version 1.00, Italian")
