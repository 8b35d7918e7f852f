#include "../naming/NamingFixture.h"
#include "OutputTargets.h"
#include "cli/Runner.h"
#include "support/Fixture.h"
#include "text/Files.h"
#include "text/Gbk.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <future>
#include <optional>
#include <sstream>

namespace {

struct Outcome
{
    int status;
    std::string out;
    std::string err;
};

Outcome runCli(const std::vector<std::string>& words, const std::filesystem::path& folder)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCli(words, folder, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(ReportVerb, WritesTheDetailFilesAndPrintsTheEvaluationRow)
{
    testing_support::TempDir dir;
    const std::string db = (dir.path() / "report.db").string();
    testing_support::makeDatabase(db, {"numerology-rows.sql", "report-texts.sql", "report-chars.sql"});
    const auto target = dir.path() / "D";
    const Outcome r = runCli({"report", "李", "明华", "--dir", target.string(), "--db", db}, dir.path());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "李明华\t21\t29\t木火水\t8,15,22,29,15\t金土木\t86\n");

    const std::string report = text::fromGbk(testing_support::readFile(target / "data" / "temp.html"));
    EXPECT_NE(report.find("<span class=\"fontcolor3\">86</span>"), std::string::npos) << "the row's score";
    for (const char* placeholder : {"{评分总分}", "{简体姓氏1}", "{天格}", "{三才释义}", "{总分建议}"})
        EXPECT_EQ(report.find(placeholder), std::string::npos) << placeholder;
    for (const char* page : {"temp1.html", "temp2.html", "temp3.html", "temp5.html"})
        EXPECT_TRUE(std::filesystem::exists(target / "data" / page)) << page;
    EXPECT_FALSE(std::filesystem::exists(target / "data" / "temp4.html"));

    const Outcome refused =
        runCli({"report", "", "明华", "--dir", (dir.path() / "E").string(), "--db", db}, dir.path());
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "请输入姓氏\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "E"));
}

TEST(ReportVerb, AReportThatCannotBeWrittenFailsAndABlankInsideIsRefused)
{
    testing_support::TempDir dir;
    const std::string db = (dir.path() / "report.db").string();
    testing_support::makeDatabase(db, {"numerology-rows.sql", "report-texts.sql", "report-chars.sql"});
    const auto target = dir.path() / "D";
    std::filesystem::create_directories(target);
    std::ofstream(target / "data") << "a file where the data folder should be";
    const Outcome failed = runCli({"report", "李", "明华", "--dir", target.string(), "--db", db}, dir.path());
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("无法写入报告文件"), std::string::npos) << failed.err;

    const Outcome blank =
        runCli({"report", "李", "明 华", "--dir", (dir.path() / "E").string(), "--db", db}, dir.path());
    EXPECT_EQ(blank.status, 2);
    EXPECT_EQ(blank.err, "名字中不能有空格\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "E" / "data" / "temp.html"));
}

TEST(ReportVerb, AFolderThatCannotBeWrittenIsSaidAndNothingIsWrittenElsewhere)
{
    testing_support::TempDir dir;
    const std::string db = (dir.path() / "report.db").string();
    testing_support::makeDatabase(db, {"numerology-rows.sql", "report-texts.sql", "report-chars.sql"});
    const Outcome r = runCli({"report", "李", "明华", "--dir", "/proc/1", "--db", db}, dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("无法写入报告文件: /proc/1/data（"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "data"));
}

TEST(ReportVerb, ASetOfPagesIsWrittenUnderTheFoldersLock)
{
    // Concurrent reports into one folder take turns, so the pages on disk are one name's: while
    // another writer holds the lock, a report waits.
    testing_support::TempDir dir;
    const std::string db = (dir.path() / "report.db").string();
    testing_support::makeDatabase(db, {"numerology-rows.sql", "report-texts.sql", "report-chars.sql"});
    const auto data = dir.path() / "D" / "data";
    std::filesystem::create_directories(data);
    std::optional<text::FolderLock> other(std::in_place, data, "temp.lock");
    ASSERT_TRUE(other->held());
    auto report = std::async(std::launch::async, [&] {
        return runCli({"report", "李", "明华", "--dir", (dir.path() / "D").string(), "--db", db}, dir.path());
    });
    EXPECT_EQ(report.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    EXPECT_FALSE(std::filesystem::exists(data / "temp.html"));
    other.reset();
    EXPECT_EQ(report.get().status, 0);
    EXPECT_TRUE(std::filesystem::exists(data / "temp.html"));
}

class GenerateExport : public NamingFixture
{
};

TEST_F(GenerateExport, TheExportedFileHoldsThePrintedRows)
{
    m_store.Close();
    const std::string db = (m_dir.path() / "naming.db").string();
    const auto file = m_dir.path() / "NameList.txt";
    const Outcome r = runCli(
        {"generate", "--surname", "李", "--seed", "3", "--db", db, "--export", file.string()}, m_dir.path());
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_FALSE(r.out.empty());

    const std::string bytes = testing_support::readFile(file);
    const std::string expected = "编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n" +
                                 text::replaceAll(text::replaceAll(r.out, "\t", "    "), "\n", "\r\n");
    EXPECT_EQ(bytes, text::toGbk(expected));

    const Outcome unwritable = runCli({"generate", "--surname", "李", "--seed", "3", "--db", db, "--export",
                                       (m_dir.path() / "missing" / "deeper" / "x.txt").string()},
                                      m_dir.path());
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("x.txt"), std::string::npos) << unwritable.err;
}

} // namespace

namespace {

TEST_F(GenerateExport, EveryKindOfTargetAndStandardOutput)
{
    m_store.Close();
    const std::string db = (m_dir.path() / "naming.db").string();
    const std::vector<std::string> words = {"generate", "--surname", "李", "--seed",
                                            "3",        "--db",      db,   "--export"};
    const auto generate = [&](const std::string& target) {
        std::vector<std::string> all = words;
        all.push_back(target);
        const Outcome r = runCli(all, m_dir.path());
        return CliResult{r.status, r.out, r.err};
    };
    checkOutputTargets([&](const std::filesystem::path& target) { return generate(target.string()); },
                       text::toGbk("编号    姓名"));

    // "-": the file's bytes go to standard output in place of the printed rows.
    const auto file = m_dir.path() / "NameList.txt";
    ASSERT_EQ(generate(file.string()).status, 0);
    const CliResult piped = generate("-");
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, testing_support::readFile(file));
}

} // namespace
