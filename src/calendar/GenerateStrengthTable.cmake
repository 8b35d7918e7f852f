# Turns data-src/chart/day-master-strength.tsv into the program's constant table of weights and bounds
# for the day-master analysis. Any row missing, out of order or malformed stops the build.
#
#   cmake -DINPUT=day-master-strength.tsv -DOUTPUT=StrengthTable.cpp -P GenerateStrengthTable.cmake

cmake_policy(SET CMP0054 NEW)

if(NOT INPUT OR NOT OUTPUT)
    message(FATAL_ERROR "INPUT and OUTPUT must be given")
endif()

set(stems 甲 乙 丙 丁 戊 己 庚 辛 壬 癸)
set(branches 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥)
set(expected_keys method stem month share1 share2 share3 weak strong
    hidden hidden hidden hidden hidden hidden hidden hidden hidden hidden hidden hidden)
set(number_pattern "^[0-9]+(\\.[0-9]+)?$")

file(STRINGS "${INPUT}" lines ENCODING UTF-8)
set(rows "")
foreach(line IN LISTS lines)
    if(line STREQUAL "" OR line MATCHES "^#")
        continue()
    endif()
    list(APPEND rows "${line}")
endforeach()
list(LENGTH rows row_count)
list(LENGTH expected_keys key_count)
if(NOT row_count EQUAL key_count)
    message(FATAL_ERROR "${INPUT}: ${row_count} rows, expected ${key_count}")
endif()

# Every number of a row, each checked, joined with ", " (missing shares padded with 0).
function(row_numbers row first count out)
    set(values "")
    list(LENGTH row length)
    math(EXPR last "${first} + ${count} - 1")
    foreach(i RANGE ${first} ${last})
        if(i LESS length)
            list(GET row ${i} value)
            if(NOT value MATCHES "${number_pattern}")
                message(FATAL_ERROR "${INPUT}: not a number '${value}' in '${row}'")
            endif()
            list(APPEND values "${value}")
        else()
            list(APPEND values 0)
        endif()
    endforeach()
    list(JOIN values ", " joined)
    set(${out} "${joined}" PARENT_SCOPE)
endfunction()

set(branch 0)
set(hidden_body "")
math(EXPR last_row "${row_count} - 1")
foreach(r RANGE ${last_row})
    list(GET rows ${r} line)
    list(GET expected_keys ${r} key)
    string(REPLACE "\t" ";" row "${line}")
    list(GET row 0 found)
    list(LENGTH row length)
    if(NOT found STREQUAL key)
        message(FATAL_ERROR "${INPUT}: expected a '${key}' row, found '${line}'")
    endif()
    if(key STREQUAL "method")
        list(GET row 1 method)
    elseif(key MATCHES "^share([123])$")
        set(k ${CMAKE_MATCH_1})
        math(EXPR expected_length "${k} + 1")
        if(NOT length EQUAL expected_length)
            message(FATAL_ERROR "${INPUT}: '${key}' takes ${k} shares: '${line}'")
        endif()
        row_numbers("${row}" 1 3 value_${key})
    elseif(key STREQUAL "hidden")
        list(GET branches ${branch} expected_branch)
        list(GET row 1 found_branch)
        if(NOT found_branch STREQUAL expected_branch OR length LESS 3 OR length GREATER 5)
            message(FATAL_ERROR "${INPUT}: expected the hidden stems of ${expected_branch}: '${line}'")
        endif()
        set(numbers "")
        foreach(i RANGE 2 4)
            set(number 0)
            if(i LESS length)
                list(GET row ${i} stem)
                list(FIND stems "${stem}" index)
                if(index LESS 0)
                    message(FATAL_ERROR "${INPUT}: not a stem '${stem}' in '${line}'")
                endif()
                math(EXPR number "${index} + 1")
            endif()
            list(APPEND numbers ${number})
        endforeach()
        list(JOIN numbers ", " joined)
        string(APPEND hidden_body "        {{${joined}}}, // ${expected_branch}\n")
        math(EXPR branch "${branch} + 1")
    else()
        if(NOT length EQUAL 2)
            message(FATAL_ERROR "${INPUT}: '${key}' takes one number: '${line}'")
        endif()
        row_numbers("${row}" 1 1 value_${key})
    endif()
endforeach()

set(content "// Generated from data-src/chart/day-master-strength.tsv by src/calendar/GenerateStrengthTable.cmake; do not edit.
#include \"calendar/StrengthTable.h\"

namespace calendar::detail {

// clang-format off
const StrengthTable kStrengthTable = {
    \"${method}\",
    ${value_stem},
    ${value_month},
    {{{${value_share1}}, {${value_share2}}, {${value_share3}}}},
    ${value_weak},
    ${value_strong},
    {{
${hidden_body}    }},
};
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
