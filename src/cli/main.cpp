#include "cli/Runner.h"
#include "store/LoadNamingDatabase.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    try {
        const std::vector<std::string> words(argv + 1, argv + argc);
        return cli::runCli(words, store::programFolder(), std::cin, std::cout, std::cerr);
    } catch (...) {
        // Nothing escapes: an uncaught exception would abort with a core dump instead of a status.
        std::cerr << "内部错误\n";
        return 1;
    }
}
