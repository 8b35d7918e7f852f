#include "cli/Runner.h"
#include "store/LoadNamingDatabase.h"

#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    // A reader that closed the pipe is a failed write the program reports with its status, not a
    // signal that ends it without a word.
    std::signal(SIGPIPE, SIG_IGN);
    // A closed standard input or a folder in its place cannot be read as requests: the stream is
    // marked bad, so --batch says so instead of answering nothing as for an empty input.
    struct stat in
    {
    };
    if (fstat(STDIN_FILENO, &in) != 0 || S_ISDIR(in.st_mode))
        std::cin.setstate(std::ios::badbit);
    try {
        const std::vector<std::string> words(argv + 1, argv + argc);
        return cli::runCli(words, store::programFolder(), std::cin, std::cout, std::cerr);
    } catch (...) {
        // Nothing escapes: an uncaught exception would abort with a core dump instead of a status.
        std::cerr << "内部错误\n";
        return 1;
    }
}
