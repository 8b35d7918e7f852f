#include "cli/Runner.h"

#include "cli/Verbs.h"
#include "store/LoadNamingDatabase.h"
#include "text/Utf8.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>

namespace cli {
namespace {

// A batch line longer than any request is refused before it is parsed.
constexpr size_t kMaxBatchLineBytes = 4096;

class StreamSink : public core::MessageSink
{
public:
    explicit StreamSink(std::ostream& err) : m_err(err) {}
    void showMessage(const core::Message& message) override { m_err << message.text << '\n'; }

private:
    std::ostream& m_err;
};

void printUsage(std::ostream& err)
{
    err << "用法: nestling-cli VERB ARGS... [--db FILE]\n";
    for (const Verb& verb : allVerbs())
        err << "  " << verb.usage << (verb.answersOneRequest ? " [--batch]" : "") << '\n';
}

std::vector<std::string> wordsOfLine(const Verb& verb, std::string_view line)
{
    std::vector<std::string> words = splitWords(text::validUtf8(line));
    words.insert(words.begin(), std::string(verb.name));
    return words;
}

std::string firstLine(const std::string& text)
{
    const size_t end = text.find('\n');
    return end == std::string::npos ? text : text.substr(0, end);
}

// A request's options the verb does not take: said with the verb's usage line.
bool refuseUnknownOption(const Verb& verb, const Arguments& args, std::ostream& err)
{
    const auto unknown = unknownOption(args, verb.usage);
    if (!unknown)
        return false;
    err << "未知的选项: --" << *unknown << '\n' << "用法: " << verb.usage << '\n';
    return true;
}

// Runs one request; whatever the verb throws (memory exhausted, a broken invariant) is said as its
// error, never carried out of the program.
int runGuarded(const Verb& verb, Context& context, const Arguments& args, std::ostream& out,
               std::ostream& err)
{
    try {
        return verb.run(context, args, out, err);
    } catch (const std::exception& error) {
        err << "内部错误: " << error.what() << '\n';
    } catch (...) {
        err << "内部错误\n";
    }
    return 1;
}

// One request per stdin line, answered in order; the database was loaded once by the caller, and
// the requests share the context's caches. Answers go to `out` as they come, through its buffer.
int runBatch(const Verb& verb, Context& context, const Arguments& outer, std::istream& in, std::ostream& out,
             std::ostream& err)
{
    if (!in.good() && !in.eof()) {
        err << "无法读取标准输入（已关闭，或不是可读的文件）\n";
        return 1;
    }
    // Reading a line must not flush the answers so far: they leave in large writes.
    std::ostream* const tied = in.tie(nullptr);
    std::string line;
    std::ostringstream result;
    std::ostringstream message;
    while (std::getline(in, line)) {
        result.str({});
        message.str({});
        std::string error;
        int status = 1;
        std::optional<Arguments> args;
        if (line.size() > kMaxBatchLineBytes)
            error = "请求过长（一行最多 " + std::to_string(kMaxBatchLineBytes) + " 字节）";
        else
            args = parseArguments(wordsOfLine(verb, line), error);
        if (args) {
            for (const auto& [name, value] : outer.options)
                if (name != "batch" && !args->has(name))
                    args->options[name] = value;
            if (!refuseUnknownOption(verb, *args, message))
                status = runGuarded(verb, context, *args, result, message);
            error = message.str();
        }

        // A failure, or an answer that is empty for a reason the verb gave: one ERROR line.
        if (status != 0 || (result.str().empty() && !error.empty())) {
            out << "ERROR " << firstLine(error) << '\n';
            continue;
        }
        const std::string_view text = result.view();
        out << text;
        if (std::count(text.begin(), text.end(), '\n') > 1)
            out << "----\n";
    }
    in.tie(tied);
    if (in.bad()) {
        err << "读取标准输入时出错\n";
        return 1;
    }
    return 0;
}

// `loaded`: a store the caller has loaded, used in place of the database file.
int runRequest(const std::vector<std::string>& rawWords, const std::filesystem::path& programFolder,
               store::NamingStore* loaded, std::istream& in, std::ostream& out, std::ostream& err)
{
    // Bytes that are no UTF-8 are shown as U+FFFD wherever a word is repeated.
    std::vector<std::string> words;
    words.reserve(rawWords.size());
    for (const std::string& word : rawWords)
        words.push_back(text::validUtf8(word));
    std::string error;
    const std::optional<Arguments> args = parseArguments(words, error);
    if (!args) {
        err << error << '\n';
        if (const Verb* verb = words.empty() ? nullptr : findVerb(words.front()))
            err << "用法: " << verb->usage << '\n';
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
    if (refuseUnknownOption(*verb, *args, err))
        return 2;

    store::NamingStore ownStore;
    store::NamingStore& namingStore = loaded ? *loaded : ownStore;
    Context context{namingStore, programFolder, ScoringCache(namingStore)};
    if (verb->needsDatabase && !loaded) {
        const std::filesystem::path file = args->has("db") ? std::filesystem::path(*args->option("db"))
                                                           : store::defaultDatabaseFile(programFolder);
        StreamSink sink(err);
        if (store::LoadNamingDatabase(namingStore, file, sink) != store::LoadState::Ready)
            return 1;
    }
    if (args->has("batch"))
        return runBatch(*verb, context, *args, in, out, err);
    return runGuarded(*verb, context, *args, out, err);
}

} // namespace

int runCli(const std::vector<std::string>& words, const std::filesystem::path& programFolder,
           std::istream& in, std::ostream& out, std::ostream& err)
{
    return runCliOnStore(words, nullptr, programFolder, in, out, err);
}

int runCliOnStore(const std::vector<std::string>& words, store::NamingStore* loaded,
                  const std::filesystem::path& programFolder, std::istream& in, std::ostream& out,
                  std::ostream& err)
{
    int status = 1;
    try {
        status = runRequest(words, programFolder, loaded, in, out, err);
    } catch (const std::exception& error) {
        err << "内部错误: " << error.what() << '\n';
        status = 1;
    }
    // A result that could not be written (a full disk, a closed pipe) is a failure, not a success.
    out.flush();
    if (!out) {
        err << "无法写出结果（标准输出写入失败）\n";
        return 1;
    }
    return status;
}

} // namespace cli
