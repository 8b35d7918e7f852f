#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace store {
class NamingStore;
}

namespace cli {

// The whole command line: `nestling-cli VERB ARGS... [--db FILE] [--batch]`. Returns the exit status.
int runCli(const std::vector<std::string>& words, const std::filesystem::path& programFolder,
           std::istream& in, std::ostream& out, std::ostream& err);

// The same on a store the caller has loaded (when `loaded` is not null), which the verbs use in place
// of the database file: the fuzz harness of the command line reads its data once, not per request.
int runCliOnStore(const std::vector<std::string>& words, store::NamingStore* loaded,
                  const std::filesystem::path& programFolder, std::istream& in, std::ostream& out,
                  std::ostream& err);

} // namespace cli
