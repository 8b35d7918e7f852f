#include "store/ColumnDescriptor.h"

namespace store {

std::string_view typeWord(ColumnType type) noexcept
{
    switch (type) {
    case ColumnType::Byte:
        return "Byte";
    case ColumnType::Smallint:
        return "Smallint";
    case ColumnType::Integer:
        return "Integer";
    case ColumnType::BigInt:
        return "BigInt";
    case ColumnType::Decimal:
        return "Decimal";
    case ColumnType::Double:
        return "Double";
    case ColumnType::Bit:
        return "Bit";
    case ColumnType::DateTime:
        return "DateTime";
    case ColumnType::VarChar:
        return "VarChar";
    case ColumnType::Blob:
        return "Blob";
    case ColumnType::Text:
        return "Text";
    }
    return {};
}

std::string createTableSql(std::string_view table, const std::vector<ColumnDescriptor>& columns)
{
    std::string sql = "create table ";
    sql += table;
    if (columns.empty())
        return sql;
    sql += " (";
    for (size_t i = 0; i < columns.size(); ++i) {
        const ColumnDescriptor& c = columns[i];
        if (i > 0)
            sql += ",";
        sql += c.name;
        sql += " ";
        sql += typeWord(c.type);
        if (c.length != 0) {
            sql += "(";
            sql += std::to_string(c.length);
            sql += ")";
        }
        if (c.attributes != 0) {
            sql += " ";
            if (c.attributes & kPrimaryKey)
                sql += "Primary Key";
            if (c.attributes & kAutoIncrement)
                sql += " AutoIncrement";
            if (c.attributes & kNotNull)
                sql += " Not Null";
        }
        if (!c.defaultValue.empty())
            sql += " Default " + c.defaultValue;
    }
    sql += ")";
    return sql;
}

std::string selectSql(std::string_view table, std::initializer_list<Column> columns, std::string_view rest)
{
    return selectSql(table, std::span<const Column>(columns.begin(), columns.size()), rest);
}

std::string selectSql(std::string_view table, std::span<const Column> columns, std::string_view rest)
{
    std::string sql = "select ";
    bool first = true;
    for (const Column& column : columns) {
        if (!first)
            sql += ",";
        sql += column.name;
        first = false;
    }
    sql += " from ";
    sql += table;
    if (!rest.empty()) {
        sql += " ";
        sql += rest;
    }
    return sql;
}

} // namespace store
