#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace store {

// Declared column types; the number is the type code kept with each descriptor (there is no code 9).
enum class ColumnType : std::int32_t
{
    Byte = 1,
    Smallint = 2,
    Integer = 3,
    BigInt = 4,
    Decimal = 5,
    Double = 6,
    Bit = 7,
    DateTime = 8,
    VarChar = 10,
    Blob = 11,
    Text = 12,
};

// Attribute bits of a column.
inline constexpr std::int32_t kPrimaryKey = 1;
inline constexpr std::int32_t kAutoIncrement = 2;
inline constexpr std::int32_t kNotNull = 4;

struct ColumnDescriptor
{
    std::string name;
    ColumnType type = ColumnType::Integer;
    std::int32_t length = 0;     // 0: none, else written in parentheses after the type word
    std::int32_t attributes = 0; // kPrimaryKey | kAutoIncrement | kNotNull
    std::string defaultValue;    // empty: none
};

// A column of one of the naming tables, as named in its layout (store/TableColumns.h, generated from
// data-src/tables.txt). Queries select columns by these constants and read them back by them.
struct Column
{
    std::string_view name;

    // "NAME=?": a condition on the column whose value is bound as a parameter.
    std::string equalsParameter() const { return std::string(name) + "=?"; }
};

std::string_view typeWord(ColumnType type) noexcept;

// The CREATE TABLE text of a table, e.g.
// "create table XW_百家姓 (Id Integer(10),姓 VarChar(8),...)".
std::string createTableSql(std::string_view table, const std::vector<ColumnDescriptor>& columns);

// "select A,B,C from TABLE" for the given columns, followed by " " and `rest` (a where or order clause)
// when `rest` is not empty.
std::string selectSql(std::string_view table, std::span<const Column> columns, std::string_view rest = {});
std::string selectSql(std::string_view table, std::initializer_list<Column> columns,
                      std::string_view rest = {});

} // namespace store
