#include "cli/Verbs.h"
#include "store/TableLayouts.h"

namespace cli {

int runTables(Context& context, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (!args.positional.empty()) {
        err << "用法: nestling-cli tables\n";
        return 2;
    }
    for (const store::TableLayout& table : store::namingTables()) {
        store::StoreQuery query = context.store.Query("select count(*) from " + std::string(table.name));
        out << table.name << '\t' << context.store.ColumnInt(query, 0) << '\n';
    }
    return 0;
}

} // namespace cli
