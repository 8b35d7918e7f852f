#include "cli/Verbs.h"

#include <array>

namespace cli {

std::span<const Verb> allVerbs()
{
    // clang-format off
    static const std::array kVerbs = {
        Verb{"tables", "nestling-cli tables", true, false, &runTables},
        Verb{"chart", "nestling-cli chart YYYY-M-D H [--json] [--late-zi next-day|same-day]", false, true, &runChart},
        Verb{"lunar", "nestling-cli lunar YYYY-M-D [--format F]", false, true, &runLunar},
        Verb{"char", "nestling-cli char TEXT", true, true, &runChar},
        Verb{"check", "nestling-cli check SURNAME GIVEN", true, true, &runCheck},
        Verb{"score", "nestling-cli score SURNAME GIVEN [--json] [--sex 男|女]", true, true, &runScore},
        Verb{"compare", "nestling-cli compare SURNAME GIVEN1 [GIVEN2 ...] [--from-chart YYYY-M-D H [--late-zi next-day|same-day]]", true, true, &runCompare},
        Verb{"generate", "nestling-cli generate --mode high-score --surname S --sex 男|女 --length 1|2 "
                         "[--seed N] [--generation second:字|third:字] [--common-only] [--export FILE|-]; "
                         "--mode super --surname S --sex 男|女 [--seed N] [--second 金水] [--third 木] "
                         "[--must 金木水火土] [--must-not 火] [--from-chart YYYY-M-D H [--by missing|favourable] [--late-zi next-day|same-day]] "
                         "[--common-only] [--export FILE]; "
                         "--mode classic --surname S --sex 男|女 --length 1|2 [--seed N] [--export FILE]; "
                         "--mode combination --surname S --chars TEXT [--length 1|2] [--sex 男|女]; "
                         "--mode nickname --surname S [--style AA|小A|A儿|阿A]; "
                         "--mode poem --surname S --poet P --title T [--id N] [--chars TICKED] [--length 1|2] [--sex 男|女] "
                         "(or --book 诗经|楚辞|宋词|论语 --title T in place of --poet) "
                         "[--common-only] [--export FILE]; every mode takes [--avoid 字字] (names holding one of them "
                         "are left out); --common-only leaves out the names no real name, classical pair or common "
                         "name character supports",
                         true, true, &runGenerate},
        Verb{"pillars", "nestling-cli pillars YYYY-M-D H[:MI[:SS]] [--late-zi next-day|same-day]", false, true, &runPillars},
        Verb{"report", "nestling-cli report SURNAME GIVEN [--dir DIR]", true, true, &runReport},
        Verb{"english", "nestling-cli english GIVEN [--style 男性化|女性化|中性化] [--length MIN-MAX]", true, true,
             &runEnglish},
        Verb{"speak", "nestling-cli speak NAME --out FILE.wav|-", false, false, &runSpeak},
        Verb{"books", "nestling-cli books", true, false, &runBooks},
        Verb{"poets", "nestling-cli poets", true, false, &runPoets},
        Verb{"poems", "nestling-cli poems POET | poems --book BOOK [POET-OR-SECTION]", true, true, &runPoems},
        Verb{"poem", "nestling-cli poem POET TITLE [--id N] | poem --book BOOK TITLE [--id N]", true, true, &runPoem},
    };
    // clang-format on
    return kVerbs;
}

const Verb* findVerb(std::string_view name)
{
    for (const Verb& verb : allVerbs())
        if (verb.name == name)
            return &verb;
    return nullptr;
}

} // namespace cli
