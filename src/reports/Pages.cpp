#include "reports/Pages.h"

#include "reports/Placeholders.h"
#include "reports/ReportFiles.h"
#include "store/TableLayouts.h"

namespace reports {

std::string characterPageHtml(const store::NamingStore& store, std::string_view character)
{
    namespace col = store::cnword;
    // Read as text, so the counts show in decimal and a missing row leaves them empty.
    static const std::string sql =
        store::selectSql(store::kCharacterTable,
                         {col::kPinyin, col::kSimplifiedStrokes, col::kRadical, col::kTraditionalStrokes,
                          col::kBasic, col::kDetail, col::kElement},
                         "where " + col::kCharacter.equalsParameter());
    const store::StoreQuery query = store.Query(sql, {std::string(character)});
    const auto column = [&](store::Column c) { return store.ColumnText(query, c); };
    const Placeholders values = {
        {"{汉字}", htmlEscape(character)},
        {"{拼音}", column(col::kPinyin)},
        {"{简体笔划}", column(col::kSimplifiedStrokes)},
        {"{部首}", column(col::kRadical)},
        {"{繁体笔划}", column(col::kTraditionalStrokes)},
        {"{基本解释}", column(col::kBasic)},
        {"{详细解释}", column(col::kDetail)},
        // The element the name numerology gives the character, which a parent weighs against the chart.
        {"{五行}", column(col::kElement)},
    };
    return fillPlaceholders(characterPageTemplate(), values);
}

std::string surnamePageHtml(const store::NamingStore& store, std::string_view surname)
{
    namespace col = store::surname;
    static const std::string sql =
        store::selectSql(store::kSurnameTable, {col::kOrigin, col::kHomeland, col::kFamousPeople},
                         "where " + col::kSurname.equalsParameter());
    const store::StoreQuery query = store.Query(sql, {std::string(surname)});
    const Placeholders values = {
        {"{姓氏}", htmlEscape(surname)},
        {"{姓氏起源}", store.ColumnText(query, col::kOrigin)},
        {"{聚集地}", store.ColumnText(query, col::kHomeland)},
        {"{历史名人}", store.ColumnText(query, col::kFamousPeople)},
    };
    return fillPlaceholders(surnamePageTemplate(), values);
}

bool WriteCharacterPage(const store::NamingStore& store, const std::filesystem::path& programFolder,
                        std::string_view character, int page)
{
    return writeGbkFile(characterPageFile(programFolder, page), characterPageHtml(store, character));
}

bool WriteSurnamePage(const store::NamingStore& store, const std::filesystem::path& programFolder,
                      std::string_view surname)
{
    return writeGbkFile(surnamePageFile(programFolder), surnamePageHtml(store, surname));
}

std::string charactersPageHtml(const store::NamingStore& store, const std::vector<std::string>& characters,
                               const std::vector<std::string>& missing)
{
    // The pages one under the other: the first page's head, every page's body.
    std::string html;
    std::string tail;
    for (const std::string& character : characters) {
        const std::string page = characterPageHtml(store, character);
        const std::size_t body = page.find("<body>");
        const std::size_t end = page.rfind("</body>");
        if (body == std::string::npos || end == std::string::npos || end < body)
            continue;
        if (html.empty()) {
            html = page.substr(0, body + 6);
            tail = page.substr(end);
            if (!missing.empty()) {
                std::string names;
                for (const std::string& m : missing)
                    names += "“" + htmlEscape(m) + "”";
                html += "<p style=\"text-align: center; color: #FF0000;\">字典中没有" + names + "</p>\n";
            }
        } else {
            html += "<hr>\n";
        }
        html += page.substr(body + 6, end - body - 6);
    }
    return html + tail;
}

std::optional<std::string> QueryCharacter(const store::NamingStore& store,
                                          const std::filesystem::path& programFolder, std::string_view text)
{
    if (!writeGbkFile(reportFile(programFolder), characterPageHtml(store, text)))
        return std::nullopt;
    return " 汉字[ " + std::string(text) + " ]的详细解释";
}

std::optional<std::string> queryCharacters(const store::NamingStore& store,
                                           const std::filesystem::path& programFolder, std::string_view text,
                                           const std::vector<std::string>& characters,
                                           const std::vector<std::string>& missing)
{
    if (!writeGbkFile(reportFile(programFolder), charactersPageHtml(store, characters, missing)))
        return std::nullopt;
    return " 汉字[ " + std::string(text) + " ]的详细解释";
}

} // namespace reports
