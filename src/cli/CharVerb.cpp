// nestling-cli char TEXT: the dictionary row of one character.
#include "cli/Verbs.h"
#include "store/TableLayouts.h"

namespace cli {

namespace {

// The meaning cell on one line: the page's <BR> breaks become spaces.
std::string oneLine(std::string text)
{
    static const std::string kBreak = "<BR>";
    for (size_t at = text.find(kBreak); at != std::string::npos; at = text.find(kBreak, at + 1))
        text.replace(at, kBreak.size(), " ");
    return text;
}

} // namespace

int runChar(Context& context, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (args.positional.size() != 1 || args.positional[0].empty()) {
        err << "用法: nestling-cli char TEXT\n";
        return 2;
    }
    namespace col = store::cnword;
    const store::NamingStore& db = context.store;
    static const std::string sql =
        store::selectSql(store::kCharacterTable, col::kColumns, "where " + col::kCharacter.equalsParameter());
    const store::StoreQuery query = db.Query(sql, {args.positional[0]});
    if (db.ColumnText(query, col::kCharacter).empty()) {
        err << "字典中没有这个字: " << args.positional[0] << '\n';
        return 1;
    }
    out << db.ColumnText(query, col::kCharacter) << '\t' << db.ColumnText(query, col::kTraditional) << '\t'
        << db.ColumnInt(query, col::kSimplifiedStrokes) << '\t'
        << db.ColumnInt(query, col::kTraditionalStrokes) << '\t' << db.ColumnText(query, col::kPinyin) << '\t'
        << db.ColumnText(query, col::kInitial) << '\t' << db.ColumnText(query, col::kRadical) << '\t'
        << db.ColumnText(query, col::kElement) << '\t' << oneLine(db.ColumnText(query, col::kBasic)) << '\n';
    return 0;
}

} // namespace cli
