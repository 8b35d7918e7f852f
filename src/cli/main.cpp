#include "cli/Runner.h"
#include "store/LoadNamingDatabase.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> words(argv + 1, argv + argc);
    return cli::runCli(words, store::programFolder(), std::cin, std::cout, std::cerr);
}
