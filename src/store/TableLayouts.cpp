#include "store/TableLayouts.h"

namespace store {
namespace {

ColumnDescriptor integer(std::string name)
{
    return {std::move(name), ColumnType::Integer, 10, 0, {}};
}

ColumnDescriptor varchar(std::string name, std::int32_t length)
{
    return {std::move(name), ColumnType::VarChar, length, 0, {}};
}

std::vector<ColumnDescriptor> articleColumns()
{
    return {integer("ID"), varchar("分类ID", 50), varchar("分类标题", 20), varchar("标题", 100),
            varchar("内容", 2000)};
}

} // namespace

// clang-format off
const std::vector<TableLayout>& namingTables()
{
    static const std::vector<TableLayout> tables = {
        {kCharacterTable, {
            integer("Id"), integer("code"), varchar("汉字", 2), varchar("简体", 2), varchar("繁体", 2),
            integer("简体笔画数"), integer("繁体笔画数"), varchar("拼音1", 20), varchar("拼音2", 20),
            varchar("声母", 1), varchar("韵母", 3), varchar("部首", 1), varchar("五行属性", 2),
            varchar("五笔", 4), varchar("基本解释", 700), varchar("详细解释", 700)}},
        {kThreeTalentTable, {
            integer("Id"), varchar("三才", 6), varchar("吉凶", 4), varchar("解释一", 140),
            varchar("解释二", 80), varchar("总论", 92), varchar("性格", 200), varchar("意志", 100),
            varchar("事业", 100), varchar("家庭", 100), varchar("婚姻", 100), varchar("子女", 100),
            varchar("社交", 100), varchar("精神", 100), varchar("财运", 100), varchar("健康", 100),
            varchar("老运", 100), varchar("对基础运的影响", 100), varchar("对成功运的影响", 100),
            varchar("对人际关系的影响", 100), varchar("对性格的影响", 150)}},
        {kNumberTable, {
            integer("Id"), varchar("吉凶", 4), varchar("解释一", 100), varchar("解释二", 100),
            varchar("解释三", 1000), varchar("基业", 1000), varchar("家庭", 1000), varchar("健康", 1000),
            varchar("含义", 1000), varchar("数理暗示", 1000)}},
        {kEnglishNameTable, {
            integer("Id"), varchar("EIndex", 1), varchar("EIndex2", 2), varchar("Name", 20),
            varchar("NameLength", 10), integer("Sex"), varchar("Cnword", 50), varchar("Morphology", 20),
            varchar("Languag", 20), varchar("Mean", 20)}},
        {kPoetTable, {
            integer("Id"), varchar("Poet", 10), varchar("PoemCount", 10), integer("OrderId")}},
        {kPoemTable, {
            integer("Id"), varchar("标题", 30), varchar("作者", 10), varchar("内容", 1000),
            varchar("首字母", 400), integer("内容长度")}},
        {kParentingTable, articleColumns()},
        {kFortuneTable, articleColumns()},
        {kSurnameTable, {
            integer("Id"), varchar("姓", 8), varchar("姓氏起源", 1000), varchar("聚集地", 1000),
            varchar("历史名人", 1000)}},
    };
    return tables;
}
// clang-format on

} // namespace store
