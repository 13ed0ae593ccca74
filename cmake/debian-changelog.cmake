# Writes CHANGELOG.md as the Debian changelog that the package carries,
# compressed the way Debian wants it (gzip -9, no name or time stamp).
# Expects INPUT, OUTPUT, PACKAGE, MAINTAINER and GZIP.
#
# CHANGELOG.md: "## VERSION - YYYY-MM-DD" starts an entry, "- " an item,
# and an item goes on in lines indented by two spaces.
include(${CMAKE_CURRENT_LIST_DIR}/date.cmake)

set(weekdays Sun Mon Tue Wed Thu Fri Sat)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)

file(STRINGS ${INPUT} lines ENCODING UTF-8)

# Releases of one day are told apart by the hour: each is an hour after the
# older ones of its day, so that every entry is newer than the one below it.
set(release_dates "")
foreach(line IN LISTS lines)
    if(line MATCHES "^## [0-9.]+ - ([0-9-]+)$")
        list(APPEND release_dates ${CMAKE_MATCH_1})
    endif()
endforeach()

set(text "")
set(entry_index 0)
set(entry_end "")
set(in_entry FALSE)
foreach(line IN LISTS lines)
    string(REPLACE "`" "" line "${line}")
    if(line MATCHES "^## ([0-9.]+) - ([0-9-]+)$")
        set(version ${CMAKE_MATCH_1})
        set(date ${CMAKE_MATCH_2})
        days_since_epoch(${date} days)
        # 1970-01-01 was a Thursday.
        math(EXPR weekday "(${days} + 4) % 7")
        list(GET weekdays ${weekday} weekday)
        string(SUBSTRING ${date} 0 4 year)
        string(SUBSTRING ${date} 5 2 month)
        string(SUBSTRING ${date} 8 2 day)
        math(EXPR month "1${month} - 101")
        list(GET months ${month} month)
        set(hour 0)
        list(LENGTH release_dates release_count)
        math(EXPR older "${entry_index} + 1")
        while(older LESS release_count)
            list(GET release_dates ${older} older_date)
            if(older_date STREQUAL date)
                math(EXPR hour "${hour} + 1")
            endif()
            math(EXPR older "${older} + 1")
        endwhile()
        math(EXPR entry_index "${entry_index} + 1")
        if(hour LESS 10)
            set(hour "0${hour}")
        endif()
        string(APPEND text "${entry_end}${PACKAGE} (${version}) unstable; urgency=medium\n\n")
        set(entry_end "\n -- ${MAINTAINER}  ${weekday}, ${day} ${month} ${year} ${hour}:00:00 +0000\n\n")
        set(in_entry TRUE)
    elseif(NOT in_entry OR line STREQUAL "")
    elseif(line MATCHES "^- (.*)")
        string(APPEND text "  * ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^  (.*)")
        string(APPEND text "    ${CMAKE_MATCH_1}\n")
    else()
        message(FATAL_ERROR "${INPUT}: neither an entry, an item nor its continuation: ${line}")
    endif()
endforeach()
string(REGEX REPLACE "\n\n$" "\n" entry_end "${entry_end}")
string(APPEND text "${entry_end}")

get_filename_component(plain ${OUTPUT} NAME_WLE)
set(plain ${OUTPUT}.d/${plain})
file(WRITE ${plain} "${text}")
execute_process(COMMAND ${GZIP} -9 -n -c ${plain} OUTPUT_FILE ${OUTPUT} COMMAND_ERROR_IS_FATAL ANY)
