#pragma once

#include "app/ArticleReader.h"
#include "app/CharacterQuery.h"
#include "app/CombinationPages.h"
#include "app/DetailController.h"
#include "app/EnglishController.h"
#include "app/EvaluationPage.h"
#include "app/ExportButtons.h"
#include "app/NamingController.h"
#include "app/PoemController.h"
#include "app/RecordsPage.h"
#include "app/Shell.h"
#include "app/ShortlistPage.h"

namespace app {

// The whole window logic, assembled and wired once: the shell and every page behind it. The window
// program and the GUI tests build the same thing over their host.
class Program
{
public:
    Program(Host& host, store::NamingStore& store, const ShellPaths& paths);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Shell shell;
    NamingController naming;
    CombinationPages combination;
    RecordsPage records;
    DetailController details;
    EvaluationPage evaluation;
    ExportButtons exports;
    CharacterQuery query;
    ArticleReader articles;
    EnglishController english;
    PoemController poems;
    ShortlistPage shortlist;
};

} // namespace app
