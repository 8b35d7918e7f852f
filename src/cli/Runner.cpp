#include "cli/Runner.h"

#include "cli/Verbs.h"
#include "store/LoadNamingDatabase.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>

namespace cli {
namespace {

class StreamSink : public store::MessageSink
{
public:
    explicit StreamSink(std::ostream& err) : m_err(err) {}
    void showMessage(const store::Message& message) override { m_err << message.text << '\n'; }

private:
    std::ostream& m_err;
};

void printUsage(std::ostream& err)
{
    err << "用法: nestling-cli VERB ARGS... [--db FILE]\n";
    for (const Verb& verb : allVerbs())
        err << "  " << verb.usage << (verb.answersOneRequest ? " [--batch]" : "") << '\n';
}

std::string firstLine(const std::string& text)
{
    const size_t end = text.find('\n');
    return end == std::string::npos ? text : text.substr(0, end);
}

// One request per stdin line, answered in order; the database was loaded once by the caller, and
// the requests share the context's caches. Answers go to `out` as they come, through its buffer.
int runBatch(const Verb& verb, Context& context, const Arguments& outer, std::istream& in, std::ostream& out)
{
    // Reading a line must not flush the answers so far: they leave in large writes.
    std::ostream* const tied = in.tie(nullptr);
    std::string line;
    std::ostringstream result;
    std::ostringstream message;
    while (std::getline(in, line)) {
        std::vector<std::string> words = splitWords(line);
        words.insert(words.begin(), std::string(verb.name));
        std::string error;
        std::optional<Arguments> args = parseArguments(words, error);
        result.str({});
        message.str({});
        int status = 1;
        if (args) {
            for (const auto& [name, value] : outer.options)
                if (name != "batch" && !args->has(name))
                    args->options[name] = value;
            status = verb.run(context, *args, result, message);
            error = message.str();
        }
        if (status != 0) {
            out << "ERROR " << firstLine(error) << '\n';
            continue;
        }
        const std::string_view text = result.view();
        out << text;
        if (std::count(text.begin(), text.end(), '\n') > 1)
            out << "----\n";
    }
    in.tie(tied);
    return 0;
}

} // namespace

int runCli(const std::vector<std::string>& words, const std::filesystem::path& programFolder,
           std::istream& in, std::ostream& out, std::ostream& err)
{
    std::string error;
    const std::optional<Arguments> args = parseArguments(words, error);
    if (!args) {
        err << error << '\n';
        return 2;
    }
    const Verb* verb = findVerb(args->verb);
    if (!verb || args->has("help")) {
        if (!args->verb.empty() && !verb)
            err << "未知的命令: " << args->verb << '\n';
        printUsage(err);
        return verb ? 0 : 2;
    }
    if (args->has("batch") && !verb->answersOneRequest) {
        err << verb->name << " 不支持 --batch\n";
        return 2;
    }

    store::NamingStore namingStore;
    Context context{namingStore, programFolder, ScoringCache(namingStore)};
    if (verb->needsDatabase) {
        const std::filesystem::path file = args->has("db") ? std::filesystem::path(*args->option("db"))
                                                           : store::defaultDatabaseFile(programFolder);
        StreamSink sink(err);
        if (store::LoadNamingDatabase(namingStore, file, sink) != store::LoadState::Ready)
            return 1;
    }
    if (args->has("batch"))
        return runBatch(*verb, context, *args, in, out);
    return verb->run(context, *args, out, err);
}

} // namespace cli
