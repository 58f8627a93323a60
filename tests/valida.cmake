# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a validator and fails on what it complains of, but for complaints about what
# a newer version of the format brings and Debian 12's validator does not know yet.
#   cmake "-DCOMANDO=program|arg|..." -DGUASTI=regex -DNUOVI=regex -P valida.cmake
# GUASTI matches a complaint; NUOVI the lines let through.
# Both regexes are given on the command line, with \n for a line's end.
string(REPLACE "|" ";" COMANDO "${COMANDO}")
string(REPLACE "\\n" "\n" GUASTI "${GUASTI}")
string(REPLACE "\\n" "\n" NUOVI "${NUOVI}")
execute_process(COMMAND ${COMANDO} RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
string(REGEX REPLACE "${NUOVI}" "" resto "${uscita}")
if(resto MATCHES "${GUASTI}" OR (NOT esito EQUAL 0 AND resto STREQUAL uscita))
    message(FATAL_ERROR "${uscita}")
endif()
