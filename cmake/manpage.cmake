# Makes a manual page from its scdoc source and compresses it the way Debian
# wants it (gzip -9, no name or time stamp). The page is dated by EPOCH, the
# release's date, not by the day it happens to be built.
# Expects SCDOC, GZIP, INPUT, OUTPUT and EPOCH.
set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
set(page ${OUTPUT}.d/page)
file(MAKE_DIRECTORY ${OUTPUT}.d)
execute_process(COMMAND ${SCDOC} INPUT_FILE ${INPUT} OUTPUT_FILE ${page} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${GZIP} -9 -n -c ${page} OUTPUT_FILE ${OUTPUT} COMMAND_ERROR_IS_FATAL ANY)
