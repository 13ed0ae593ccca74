# Makes a manual page from its scdoc source and compresses it the way Debian
# wants it (gzip -9, no name or time stamp). The page is dated by EPOCH, the
# release's date, not by the day it happens to be built.
# Expects SCDOC, GZIP, INPUT, OUTPUT and EPOCH.
set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
set(page ${OUTPUT}.d/page)
file(MAKE_DIRECTORY ${OUTPUT}.d)
execute_process(COMMAND ${SCDOC} INPUT_FILE ${INPUT} OUTPUT_FILE ${page} COMMAND_ERROR_IS_FATAL ANY)
# No hyphenation: it broke option and JSON key names ("--tol-erance"), and
# the Turkish page with English patterns. scdoc's own .nh comes before .TH,
# which turns hyphenation on again.
file(READ ${page} text)
string(REGEX REPLACE "(\n\\.TH [^\n]*\n)" "\\1.nh\n" text "${text}")
file(WRITE ${page} "${text}")
execute_process(COMMAND ${GZIP} -9 -n -c ${page} OUTPUT_FILE ${OUTPUT} COMMAND_ERROR_IS_FATAL ANY)
