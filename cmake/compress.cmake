# SPDX-License-Identifier: GPL-3.0-or-later
# Build step: INPUT, turned into roff by SCDOC when given, gzip-compressed into OUTPUT the way
# Debian wants documentation (best compression, no name or time stamp inside).
#   cmake -DINPUT=in -DOUTPUT=out.gz -DGZIP=gzip [-DSCDOC=scdoc] [-DSOURCE_DATE_EPOCH=s] -P compress.cmake
set(source ${INPUT})
if(SCDOC)
    if(SOURCE_DATE_EPOCH)
        set(ENV{SOURCE_DATE_EPOCH} ${SOURCE_DATE_EPOCH})
    endif()
    set(source ${OUTPUT}.roff)
    execute_process(COMMAND ${SCDOC} INPUT_FILE ${INPUT} OUTPUT_FILE ${source}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "scdoc failed on ${INPUT}")
    endif()
endif()
execute_process(COMMAND ${GZIP} -9nc ${source} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${source}")
endif()
