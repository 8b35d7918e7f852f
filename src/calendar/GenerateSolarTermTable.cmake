# Turns data-src/solarterms.csv (year,term,month,day,hour,minute,second; years 1880 to 2079, terms 1 to 24
# in order) into the program's constant table of solar-term moments.
#
# Where the figures come from: for each year and term the apparent geocentric longitude of the sun was
# solved for by Newton's method in Terrestrial Time with the ERFA routines (Earth position from EPV00,
# light time, annual aberration, IAU 1976 precession, IAU 1980 nutation), converted to UT with the
# Espenak-Meeus Delta-T polynomials up to 2009 and a parabola of 31 s per century squared after it, then
# to UTC+8 and rounded to the second. The 24 terms of 2013 and the 立春 moments of 1880, 1901, 1970, 1984,
# 2000, 2024, 2030, 2048 and 2079 hold the values the program has always shown; the model agrees with
# them within one second.
#
#   cmake -DINPUT=solarterms.csv -DOUTPUT=SolarTermTable.cpp -P GenerateSolarTermTable.cmake
#
# The rows must come in year order and, within a year, in term order, so that record k is
# (year - 1880) * 24 + term - 1; anything else stops the build.

if(NOT INPUT OR NOT OUTPUT)
    message(FATAL_ERROR "INPUT and OUTPUT must be given")
endif()

set(first_year 1880)
set(last_year 2079)
math(EXPR expected_rows "(${last_year} - ${first_year} + 1) * 24")

file(STRINGS "${INPUT}" lines)
list(POP_FRONT lines header)
if(NOT header STREQUAL "year,term,month,day,hour,minute,second")
    message(FATAL_ERROR "${INPUT}: unexpected header '${header}'")
endif()

set(year ${first_year})
set(term 1)
set(count 0)
set(body "")
foreach(line IN LISTS lines)
    if(line STREQUAL "")
        continue()
    endif()
    if(NOT line MATCHES "^([0-9]+),([0-9]+),([0-9]+),([0-9]+),([0-9]+),([0-9]+),([0-9]+)$")
        message(FATAL_ERROR "${INPUT}: malformed row '${line}'")
    endif()
    if(NOT CMAKE_MATCH_1 EQUAL year OR NOT CMAKE_MATCH_2 EQUAL term)
        message(FATAL_ERROR "${INPUT}: expected year ${year} term ${term}, found '${line}'")
    endif()
    string(APPEND body "    {${CMAKE_MATCH_3}, ${CMAKE_MATCH_4}, ${CMAKE_MATCH_5}, ${CMAKE_MATCH_6}, ${CMAKE_MATCH_7}}, // ${year} ${term}\n")
    math(EXPR count "${count} + 1")
    math(EXPR term "${term} + 1")
    if(term GREATER 24)
        set(term 1)
        math(EXPR year "${year} + 1")
    endif()
endforeach()
if(NOT count EQUAL expected_rows)
    message(FATAL_ERROR "${INPUT}: ${count} rows, expected ${expected_rows}")
endif()

set(content "// Generated from data-src/solarterms.csv by src/calendar/GenerateSolarTermTable.cmake; do not edit.
#include \"calendar/SolarTermTable.h\"

namespace calendar::detail {

// clang-format off
const std::array<TermRecord, kSolarTermRecordCount> kSolarTermRecords = {{
${body}}};
// clang-format on

} // namespace calendar::detail
")

# Rewrite only on change, so an unchanged table does not recompile.
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" old)
    if(old STREQUAL content)
        return()
    endif()
endif()
file(WRITE "${OUTPUT}" "${content}")
