# Turns data-src/tables.txt (the table layouts of namedata.db) into the program's table
# constants and layouts:
#
#   cmake -DINPUT=tables.txt -DHEADER=TableColumns.h -DSOURCE=NamingTables.cpp -P GenerateTableLayouts.cmake
#
# HEADER declares each table's name constant and, per table, a namespace with one store::Column
# constant a column and kColumns, all of them in table order; SOURCE defines store::namingTables() from them. A line that is neither a
# comment, a table line nor a column line stops the build.

cmake_minimum_required(VERSION 3.25)

if(NOT INPUT OR NOT HEADER OR NOT SOURCE)
    message(FATAL_ERROR "INPUT, HEADER and SOURCE must be given")
endif()

file(STRINGS "${INPUT}" lines ENCODING UTF-8)

set(header_body "")
set(tables_body "")
set(space "")        # namespace of the table being read
set(table_count 0)
set(open_columns "") # layout text of the table being read
set(defined_spaces "")

macro(close_table)
    if(NOT space STREQUAL "")
        if(open_columns STREQUAL "")
            if(NOT DEFINED "columns_of_${space}")
                message(FATAL_ERROR "${INPUT}: table ${table_name} has no columns")
            endif()
            set(open_columns "${columns_of_${space}}")
        else()
            list(JOIN column_constants ", " all)
            list(LENGTH column_constants count)
            string(APPEND header_body "// Every column, in table order.\n"
                                      "inline constexpr std::array<Column, ${count}> kColumns = {${all}};\n"
                                      "} // namespace ${space}\n")
            set("columns_of_${space}" "${open_columns}")
        endif()
        string(APPEND tables_body "        {${table_constant}, {\n${open_columns}        }},\n")
    endif()
endmacro()

foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*(#.*)?$")
        continue()
    endif()
    if(line MATCHES "^table[ \t]+([^ \t]+)[ \t]+(k[A-Za-z0-9]+)[ \t]+([a-z]+)[ \t]*$")
        close_table()
        set(table_name "${CMAKE_MATCH_1}")
        set(table_constant "${CMAKE_MATCH_2}")
        set(space "${CMAKE_MATCH_3}")
        set(open_columns "")
        set(column_constants "")
        math(EXPR table_count "${table_count} + 1")
        string(APPEND header_body "\ninline constexpr std::string_view ${table_constant} = \"${table_name}\";\n")
        if(NOT space IN_LIST defined_spaces)
            list(APPEND defined_spaces "${space}")
            string(APPEND header_body "namespace ${space} {\n")
            set(space_is_new TRUE)
        else()
            set(space_is_new FALSE)
        endif()
    elseif(line MATCHES "^[ \t]+([^ \t]+)[ \t]+(Integer|VarChar)[ \t]+([0-9]+)[ \t]+(k[A-Za-z0-9]+)[ \t]*$")
        if(space STREQUAL "" OR NOT space_is_new)
            message(FATAL_ERROR "${INPUT}: column line outside a table of its own: '${line}'")
        endif()
        string(APPEND header_body "inline constexpr Column ${CMAKE_MATCH_4}{\"${CMAKE_MATCH_1}\"};\n")
        list(APPEND column_constants "${CMAKE_MATCH_4}")
        string(APPEND open_columns
               "            {std::string(${space}::${CMAKE_MATCH_4}.name), ColumnType::${CMAKE_MATCH_2}, ${CMAKE_MATCH_3}, 0, {}},\n")
    else()
        message(FATAL_ERROR "${INPUT}: malformed line '${line}'")
    endif()
endforeach()
close_table()

if(NOT table_count EQUAL 11)
    message(FATAL_ERROR "${INPUT}: ${table_count} tables, 11 expected")
endif()

set(notice "// Generated from data-src/tables.txt by src/store/GenerateTableLayouts.cmake: do not edit.")
file(CONFIGURE OUTPUT "${HEADER}" CONTENT "${notice}
#pragma once

#include \"store/ColumnDescriptor.h\"

#include <array>
#include <string_view>

namespace store {
${header_body}
} // namespace store
" @ONLY)
file(CONFIGURE OUTPUT "${SOURCE}" CONTENT "${notice}
#include \"store/TableLayouts.h\"

namespace store {

const std::vector<TableLayout>& namingTables()
{
    static const std::vector<TableLayout> tables = {
${tables_body}    };
    return tables;
}

} // namespace store
" @ONLY)
