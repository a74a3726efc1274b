# SPDX-License-Identifier: GPL-3.0-or-later
# A program's software-centre metadata from its template: the releases listed in NEWS, and the
# home page and screenshots only where the tutors are published at a real web address.
# Included by the install rules, or run on its own as a check does:
#   cmake -DTEMPLATE=... -DOUTPUT=... -DNEWS=... -DTUTORS_WEB_ADDRESS=... -P metainfo.cmake

function(write_metainfo template output news web_address)
    execute_process(COMMAND ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/releases.sh metainfo ${news}
                    OUTPUT_VARIABLE TUTORS_RELEASES OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    file(READ ${template} text)
    set(begin "[ ]*<!-- Published at a web address only: -->\n")
    set(end "[ ]*<!-- End of what is published at a web address only. -->\n")
    if(web_address STREQUAL "")
        string(REGEX REPLACE "${begin}.*${end}" "" text "${text}")
    else()
        string(REGEX REPLACE "${begin}" "" text "${text}")
        string(REGEX REPLACE "${end}" "" text "${text}")
    endif()
    set(TUTORS_WEB_ADDRESS ${web_address})
    file(CONFIGURE OUTPUT ${output} CONTENT "${text}" @ONLY)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    write_metainfo(${TEMPLATE} ${OUTPUT} ${NEWS} "${TUTORS_WEB_ADDRESS}")
endif()
