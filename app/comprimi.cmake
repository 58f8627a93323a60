# SPDX-License-Identifier: GPL-3.0-or-later
# Compresses one file the way Debian wants manual pages and changelogs: gzip -9n,
# so that the same text always gives the same bytes.
#   cmake -DGZIP=gzip -DSORGENTE=file -DCOMPRESSO=file.gz -P comprimi.cmake
get_filename_component(cartella ${COMPRESSO} DIRECTORY)
file(MAKE_DIRECTORY ${cartella})
execute_process(COMMAND ${GZIP} -9nc INPUT_FILE ${SORGENTE} OUTPUT_FILE ${COMPRESSO} RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
    file(REMOVE ${COMPRESSO})
    message(FATAL_ERROR "gzip could not compress ${SORGENTE}")
endif()
