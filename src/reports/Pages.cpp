#include "reports/Pages.h"

#include "reports/Placeholders.h"
#include "reports/ReportFiles.h"
#include "store/TableLayouts.h"

namespace reports {

std::string CharacterPageHtml(const store::NamingStore& store, std::string_view character)
{
    namespace col = store::cnword;
    // Read as text, so the counts show in decimal and a missing row leaves them empty.
    store::StoreQuery query = store.Query("select * from XW_CNWord where 汉字=?", {std::string(character)});
    const auto column = [&](int i) { return store.ColumnText(query, i); };
    const Placeholders values = {
        {"{汉字}", HtmlEscape(character)},
        {"{拼音}", column(col::kPinyin)},
        {"{简体笔划}", column(col::kSimplifiedStrokes)},
        {"{部首}", column(col::kRadical)},
        {"{繁体笔划}", column(col::kTraditionalStrokes)},
        {"{基本解释}", column(col::kBasic)},
        {"{详细解释}", column(col::kDetail)},
    };
    store.Finalize(query);
    return FillPlaceholders(CharacterPageTemplate(), values);
}

std::string SurnamePageHtml(const store::NamingStore& store, std::string_view surname)
{
    store::StoreQuery query = store.Query("select * from XW_百家姓 where 姓=?", {std::string(surname)});
    const Placeholders values = {
        {"{姓氏}", HtmlEscape(surname)},
        {"{姓氏起源}", store.ColumnText(query, 2)},
        {"{聚集地}", store.ColumnText(query, 3)},
        {"{历史名人}", store.ColumnText(query, 4)},
    };
    store.Finalize(query);
    return FillPlaceholders(SurnamePageTemplate(), values);
}

bool WriteCharacterPage(const store::NamingStore& store, const std::filesystem::path& programFolder,
                        std::string_view character, int page)
{
    return WriteGbkFile(CharacterPageFile(programFolder, page), CharacterPageHtml(store, character));
}

bool WriteSurnamePage(const store::NamingStore& store, const std::filesystem::path& programFolder,
                      std::string_view surname)
{
    return WriteGbkFile(SurnamePageFile(programFolder), SurnamePageHtml(store, surname));
}

std::optional<std::string> QueryCharacter(const store::NamingStore& store,
                                          const std::filesystem::path& programFolder, std::string_view text)
{
    if (!WriteGbkFile(ReportFile(programFolder), CharacterPageHtml(store, text)))
        return std::nullopt;
    return " 汉字[ " + std::string(text) + " ]的详细解释";
}

} // namespace reports
