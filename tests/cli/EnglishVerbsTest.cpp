#include "CliRun.h"
#include "OutputTargets.h"
#include "support/Fixture.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

class EnglishVerbs : public ::testing::Test
{
protected:
    void SetUp() override { testing_support::makeDatabase(db(), {"english-rows.sql"}); }
    std::string db() const { return (m_dir.path() / "english.db").string(); }

    testing_support::TempDir m_dir;
};

TEST_F(EnglishVerbs, EnglishPrintsTheRowsOfTheStyle)
{
    const struct
    {
        std::vector<std::string> words;
        int status;
        std::string out;
    } cases[] = {
        {{"english", "明华", "--style", "男性化"}, 0, "1\tMark\t马克\t战神\n2\tMax\t马克斯\t\n"},
        {{"english", "夏", "--style", "女性化"}, 0, "1\tSharon\t莎伦\t\n"},
        {{"english", "明"}, 0, "1\tMark\t马克\t战神\n2\tMax\t马克斯\t\n"},
        // --length keeps the names of that many letters and numbers them anew.
        {{"english", "明", "--length", "3-3"}, 0, "1\tMax\t马克斯\t\n"},
        {{"english", "明", "--length", "4-20"}, 0, "1\tMark\t马克\t战神\n"},
        {{"english", "明", "--length", "5-9"}, 1, ""},
        {{"english", "明", "--length", "4"}, 2, ""},
        {{"english", "明", "--length", "6-3"}, 2, ""},
        // No name of the style by that initial: nothing listed, and said why.
        {{"english", "张", "--style", "女性化"}, 1, ""},
        {{"english", "明", "--style", "男"}, 2, ""},
        {{"english"}, 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words.size() > 1 ? c.words[1] : c.words[0]);
        std::vector<std::string> words = c.words;
        words.insert(words.end(), {"--db", db()});
        const CliResult r = runCliWords(words);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err.empty(), c.status == 0);
    }
}

TEST_F(EnglishVerbs, SpeakWritesAWavFile)
{
    EXPECT_EQ(runCliWords({"speak", "Michael"}).status, 2);
    const auto file = m_dir.path() / "michael.wav";
    const CliResult r = runCliWords({"speak", "Michael", "--out", file.string()});
    if (r.status == 1)
        GTEST_SKIP() << r.err;
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(testing_support::readFile(file).substr(0, 4), "RIFF");

    // "-" is standard output.
    const CliResult piped = runCliWords({"speak", "Michael", "--out", "-"});
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, testing_support::readFile(file));
}

TEST_F(EnglishVerbs, SpeakWritesIntoEveryKindOfTargetAsWhatItIs)
{
    if (runCliWords({"speak", "Alice", "--out", (m_dir.path() / "probe.wav").string()}).status != 0)
        GTEST_SKIP() << "espeak-ng is not installed";
    checkOutputTargets(
        [](const std::filesystem::path& target) {
            return runCliWords({"speak", "Alice", "--out", target.string()});
        },
        "RIFF");
}

TEST_F(EnglishVerbs, SpeakLeavesTheFilesBesideItsTargetAlone)
{
    // The voice's intermediate files live elsewhere: a file of the user's named like one is kept.
    std::ofstream(m_dir.path() / "g.wav.txt") << "keep";
    std::ofstream(m_dir.path() / "g.wav.part.wav") << "keep";
    const CliResult r = runCliWords({"speak", "Alice", "--out", (m_dir.path() / "g.wav").string()});
    if (r.status == 1)
        GTEST_SKIP() << r.err;
    EXPECT_EQ(testing_support::readFile(m_dir.path() / "g.wav.txt"), "keep");
    EXPECT_EQ(testing_support::readFile(m_dir.path() / "g.wav.part.wav"), "keep");
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(m_dir.path()))
        ++files;
    EXPECT_EQ(files, 4u) << "the database, the two kept files and g.wav";
}

} // namespace
