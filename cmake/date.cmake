# days_since_epoch(YYYY-MM-DD OUT): days from 1970-01-01 to a civil date, by
# H. Hinnant's days_from_civil; the configure step and the build-time
# scripts share it.
function(days_since_epoch date out)
    if(NOT date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
        message(FATAL_ERROR "not a date: '${date}'")
    endif()
    math(EXPR year "${CMAKE_MATCH_1}")
    math(EXPR month "1${CMAKE_MATCH_2} - 100")
    math(EXPR day "1${CMAKE_MATCH_3} - 100")
    if(month GREATER 2)
        math(EXPR march_based "${month} - 3")
    else()
        math(EXPR march_based "${month} + 9")
        math(EXPR year "${year} - 1")
    endif()
    math(EXPR era "${year} / 400")
    math(EXPR year_of_era "${year} - ${era} * 400")
    math(EXPR day_of_year "(153 * ${march_based} + 2) / 5 + ${day} - 1")
    math(EXPR day_of_era
         "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
    math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
    set(${out} ${days} PARENT_SCOPE)
endfunction()
