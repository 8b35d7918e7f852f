#include "../naming/NamingFixture.h"
#include "cli/Runner.h"

#include <sstream>

namespace {

class NamingVerbs : public NamingFixture
{
protected:
    void SetUp() override
    {
        NamingFixture::SetUp();
        m_store.Close();
    }

    int run(std::vector<std::string> words, const std::string& input = "")
    {
        words.push_back("--db");
        words.push_back((m_dir.path() / "naming.db").string());
        std::istringstream in(input);
        out.str({});
        err.str({});
        return cli::runCli(words, m_dir.path(), in, out, err);
    }

    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(NamingVerbs, GenerateRowsEqualScoreAndRepeatWithTheSeed)
{
    ASSERT_EQ(run({"generate", "--mode", "high-score", "--surname", "李", "--sex", "男", "--length", "2",
                   "--seed", "3"}),
              0)
        << err.str();
    const std::string list = out.str();
    ASSERT_FALSE(list.empty());
    ASSERT_EQ(run({"generate", "--surname", "李", "--length", "2", "--seed", "3"}), 0);
    EXPECT_EQ(out.str(), list) << "high-score and 男 are the defaults; the seed fixes the list";

    // Ask `score` for every listed name in one batch; its line must be the row without 编号.
    std::istringstream rows(list);
    std::string line, requests, expected;
    while (std::getline(rows, line)) {
        const size_t nameStart = line.find('\t') + 1;
        const std::string rest = line.substr(nameStart);
        const std::string name = rest.substr(0, rest.find('\t'));
        requests += "李 " + name.substr(std::string("李").size()) + "\n";
        expected += rest + "\n";
    }
    ASSERT_EQ(run({"score", "--batch"}, requests), 0);
    EXPECT_EQ(out.str(), expected);
}

TEST_F(NamingVerbs, OneCharacterMessageGoesToStderr)
{
    ASSERT_EQ(run({"generate", "--surname", "王", "--sex", "女", "--length", "1", "--seed", "1"}), 0);
    EXPECT_EQ(err.str(), "一字名数理得分较低,所以软件自动降低评分标准!\n");
    EXPECT_FALSE(out.str().empty());
}

TEST_F(NamingVerbs, BadRequestsFailWithAMessage)
{
    const std::vector<std::vector<std::string>> bad = {
        {"generate", "--surname", "李", "--sex", "x"},
        {"generate", "--surname", "李", "--length", "3"},
        {"generate", "--surname", "李", "--seed", "-1"},
        {"generate", "--surname", "李", "--generation", "fourth:明"},
        {"generate", "--surname", "李", "--mode", "nonsense"},
        {"generate", "--sex", "男"}, // no surname
        {"score", "李"},
    };
    for (const auto& words : bad) {
        SCOPED_TRACE(words.back());
        EXPECT_NE(run(words), 0);
        EXPECT_FALSE(err.str().empty());
    }
    ASSERT_EQ(run({"score", "--batch"}, "李\n李 明\n"), 0);
    EXPECT_EQ(out.str().substr(0, 6), "ERROR ");
}

TEST_F(NamingVerbs, ScoreJsonCarriesTheSixFortunes)
{
    ASSERT_EQ(run({"score", "李", "明", "--json"}), 0);
    const std::string json = out.str();
    EXPECT_NE(json.find("\"name\":\"李明\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"fortunes\":[\""), std::string::npos) << json;
}

} // namespace
