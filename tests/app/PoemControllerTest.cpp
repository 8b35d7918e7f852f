#include "app/PoemController.h"
#include "../naming/NamingFixture.h"
#include "app/ControlNames.h"
#include "app/NamingController.h"
#include "app/testing/FakeHost.h"
#include "naming/NameLikeness.h"
#include "text/Gbk.h"

#include <array>

namespace {

using namespace app;
using app::testing::FakeHost;
using app::testing::FakeWindow;

class PoemControllerTest : public NamingFixture
{
protected:
    void SetUp() override
    {
        NamingFixture::SetUp();
        addPoemRows();
        std::filesystem::create_directories(m_dir.path() / "data");
        m_naming.wire();
        m_poems.wire();
        main().setText(names::编辑框_姓氏, "李");
        main().selectItem(names::组合框_名字个数, 1); // 二字
        main().click(names::单选框_诗词起名);
        main().click(names::按钮_起名);
    }

    FakeWindow& main() { return m_host.main(); }
    std::string page() const
    {
        return text::fromGbk(testing_support::readFile(m_dir.path() / "data" / "temp.html"));
    }
    std::vector<std::string> column(names::Name list, int cell)
    {
        std::vector<std::string> out;
        for (int r = 0; r < main().rowCount(list); ++r)
            out.push_back(main().cell(list, r, cell));
        return out;
    }
    void choose(const char* poet, int poemRow)
    {
        const std::vector<std::string> poets = column(names::超级列表框_诗人列表, 1);
        main().selectRow(names::超级列表框_诗人列表,
                         static_cast<int>(std::find(poets.begin(), poets.end(), poet) - poets.begin()));
        main().selectRow(names::超级列表框_诗词残, poemRow);
    }
    std::vector<std::string> captions()
    {
        std::vector<std::string> out;
        for (const std::string& box : m_poems.boxes())
            out.push_back(main().text(box));
        return out;
    }
    std::string ticked()
    {
        std::string out;
        for (const std::string& c : m_poems.tickedCharacters())
            out += c;
        return out;
    }
    void generate()
    {
        main().click(names::按钮_诗词起名);
        m_naming.waitForRun();
        m_host.runPosted();
    }

    FakeHost m_host;
    NamingController m_naming{m_host, m_store};
    PoemController m_poems{m_host, m_store, m_dir.path(), m_naming};
};

TEST_F(PoemControllerTest, StartListsThePoetsAndShowsTheFirstPoemWithoutARun)
{
    EXPECT_EQ(column(names::超级列表框_诗人列表, 1),
              (std::vector<std::string>{"王维", "李白", "孟浩然", "佚\"名"}));
    EXPECT_EQ(column(names::超级列表框_诗人列表, 0), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(column(names::超级列表框_诗词残, 1), (std::vector<std::string>{"送人"}));
    EXPECT_EQ(main().currentPage(names::高级选择夹1), kPagePoem);
    EXPECT_EQ(main().currentPage(names::高级选择夹2), kPoemPagePick);
    EXPECT_FALSE(m_naming.running());
    EXPECT_EQ(main().browserFile(names::网页浏览框1), (m_dir.path() / "data" / "temp.html").string());
    EXPECT_EQ(page(), "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">"
                      "<title>王维:送人</title></head><body><b>王维:送人</b><br><br>"
                      "山中相送罢，日暮掩柴扉。<br></body><html>");
    EXPECT_TRUE(m_host.messages().empty());
}

TEST_F(PoemControllerTest, ASharedTitleShowsAndUsesTheChosenPoetsPoem)
{
    choose("李白", 1); // 送人, the first of 李白's two
    EXPECT_NE(page().find("李白:送人</b><br><br>花间一壶酒，明月照花间。<br>"), std::string::npos);
    main().click(names::按钮2);
    EXPECT_EQ(captions(),
              (std::vector<std::string>{"花", "间", "一", "壶", "酒", "明", "月", "照", "花", "间"}));
    EXPECT_EQ(ticked(), "花间一明月照花间") << "a repeated character gets a box per occurrence";

    main().selectRow(names::超级列表框_诗词残, 2); // the other 送人 of 李白
    EXPECT_NE(page().find("天子呼来不上船，"), std::string::npos);
    main().click(names::按钮2);
    EXPECT_EQ(captions().front(), "天");
    EXPECT_EQ(main().clonedBoxes(), m_poems.boxes()) << "the boxes of the earlier poem are gone";
}

TEST_F(PoemControllerTest, APageThatCannotBeWrittenIsSaidAndTheViewNotSentToTheOldFile)
{
    choose("李白", 1);
    const std::size_t shown = main().find(names::网页浏览框1)->history.size();
    std::filesystem::permissions(m_dir.path() / "data" / "temp.html", std::filesystem::perms::owner_read);
    main().selectRow(names::超级列表框_诗词残, 2);
    EXPECT_EQ(main().find(names::网页浏览框1)->history.size(), shown);
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_NE(m_host.messages()[0].text.find("无法写入报告文件"), std::string::npos);
}

TEST_F(PoemControllerTest, BoxesGoInRowsOfFifteen)
{
    choose("孟浩然", 0);
    main().click(names::按钮2);
    ASSERT_EQ(m_poems.boxes().size(), 20u);
    EXPECT_EQ(main().currentPage(names::高级选择夹2), kPoemPageCharacters);
    struct Place
    {
        size_t box;
        int x, y;
    };
    for (const Place p :
         {Place{0, 0, 0}, Place{1, 40, 0}, Place{14, 560, 0}, Place{15, 0, 20}, Place{19, 160, 20}}) {
        const auto* box = main().find(m_poems.boxes()[p.box]);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->container, names::分组框_诗词字符);
        EXPECT_EQ((std::array{box->x, box->y, box->width, box->height}), (std::array{p.x, p.y, 70, 20}))
            << "box " << p.box + 1;
    }
}

TEST_F(PoemControllerTest, TickButtonsAndNoPoemChosen)
{
    choose("李白", 0); // 静夜思
    main().click(names::按钮2);
    EXPECT_EQ(ticked(), "前明月光霜");
    main().click(names::按钮6);
    EXPECT_EQ(ticked(), "床疑是地上");
    main().click(names::按钮3);
    EXPECT_EQ(ticked(), "床前明月光疑是地上霜");
    main().click(names::按钮4);
    EXPECT_EQ(ticked(), "");

    main().setCurrentRow(names::超级列表框_诗词残, -1);
    main().click(names::按钮2);
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].text, "请选择一首诗词");
    EXPECT_EQ(m_host.messages()[0].caption, "提示");
    EXPECT_EQ(m_host.messages()[0].icon, core::MessageIcon::None);
    EXPECT_TRUE(m_poems.boxes().empty());
    EXPECT_TRUE(main().clonedBoxes().empty());
}

TEST_F(PoemControllerTest, GenerateListsTheNamesOfTheTickedCharacters)
{
    choose("李白", 1); // 花间一壶酒，明月照花间。
    main().click(names::按钮2);
    // Every name the poem gives: the small store's model supports none of them.
    main().setChecked(names::选择框_诗词常见名字, false);
    generate();
    EXPECT_EQ(main().currentPage(names::高级选择夹2), kPoemPageNames);
    const int rows = main().rowCount(names::超级列表框_诗名列表);
    ASSERT_GT(rows, 0);
    int previous = 100;
    for (int r = 0; r < rows; ++r) {
        const std::string name = main().cell(names::超级列表框_诗名列表, r, 1);
        EXPECT_EQ(name.find("李", 3), std::string::npos) << name;
        EXPECT_EQ(main().cell(names::超级列表框_诗名列表, r, 0), std::to_string(r + 1));
        const int score = std::stoi(main().cell(names::超级列表框_诗名列表, r, 7));
        EXPECT_LE(score, previous);
        previous = score;
    }
    EXPECT_EQ(main().rowCount(names::超级列表框_高分起名), 0);
    EXPECT_TRUE(main().isToolButtonEnabled(names::工具条1, kToolModes));
    EXPECT_EQ(m_host.find(names::NestlingWaiting), nullptr);

    main().click(names::按钮4);
    generate();
    EXPECT_EQ(main().rowCount(names::超级列表框_诗名列表), 0)
        << "no box ticked: every name holds the surname";
}

TEST_F(PoemControllerTest, PageEscapesTheTextAndKeepsCharactersOutsideGbk)
{
    choose("佚\"名", 0);
    const std::string bytes = testing_support::readFile(m_dir.path() / "data" / "temp.html");
    EXPECT_EQ(
        text::fromGbk(bytes),
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">"
        "<title>佚&quot;名:a&quot;b&lt;c&gt;</title></head><body><b>佚&quot;名:a&quot;b&lt;c&gt;</b><br><br>"
        "风&lt;雨&gt;&amp;𠀀，晴。<br></body><html>");
    EXPECT_NE(bytes.find(text::toGbk("𠀀")), std::string::npos);
    EXPECT_EQ(text::toGbk("𠀀").size(), 4u) << "written in its GB18030 form";
    main().click(names::按钮2);
    EXPECT_EQ(captions(), (std::vector<std::string>{"风", "<", "雨", ">", "&", "𠀀", "晴"}));
}

TEST_F(PoemControllerTest, ABookListsItsSectionsOrPoetsAndItsPoemsNameAsTangPoemsDo)
{
    EXPECT_EQ(main().items(names::组合框_书目),
              (std::vector<std::string>{"唐诗", "诗经", "楚辞", "宋词", "论语"}));
    EXPECT_EQ(main().currentText(names::组合框_书目), "唐诗");
    main().selectItem(names::组合框_书目, 1); // 诗经: no poets, its sections
    EXPECT_EQ(column(names::超级列表框_诗人列表, 1), (std::vector<std::string>{"风", "雅"}));
    EXPECT_EQ(column(names::超级列表框_诗词残, 1),
              (std::vector<std::string>{"国风·周南·关雎", "国风·秦风·蒹葭"}));
    EXPECT_NE(page().find("<b>诗经:国风·周南·关雎</b><br><br>关关雎鸠，在河之洲。<br>"), std::string::npos);
    main().selectRow(names::超级列表框_诗词残, 1);
    main().click(names::按钮2);
    EXPECT_EQ(ticked(), "苍苍白露霜伊人水方");
    main().setChecked(names::选择框_诗词常见名字, false);
    generate();
    const std::string text = "蒹葭苍苍，白露为霜。所谓伊人，在水一方。";
    ASSERT_GT(main().rowCount(names::超级列表框_诗名列表), 0);
    const naming::NameLikeness real = naming::NameLikeness::fromClassicLists(); // the fixture has no counts
    for (const std::string& name : column(names::超级列表框_诗名列表, 1)) {
        const std::string given = name.substr(std::string("李").size());
        EXPECT_TRUE(text.find(given) != std::string::npos || real.isRealName(given)) << name;
    }

    main().selectItem(names::组合框_书目, 2); // 楚辞: its poets; 兮 is ticked but never named
    EXPECT_EQ(column(names::超级列表框_诗人列表, 1), (std::vector<std::string>{"屈原"}));
    EXPECT_NE(page().find("<b>屈原:九歌·湘夫人</b>"), std::string::npos);
    main().click(names::按钮2);
    EXPECT_NE(ticked().find("兮"), std::string::npos);
    generate();
    ASSERT_GT(main().rowCount(names::超级列表框_诗名列表), 0);
    for (const std::string& name : column(names::超级列表框_诗名列表, 1))
        EXPECT_EQ(name.find("兮"), std::string::npos) << name;
}

TEST_F(PoemControllerTest, SearchListsTheBooksPoemsByTitleOrLine)
{
    main().setText(names::编辑框_诗词搜索, "明月");
    main().click(names::按钮_诗词搜索);
    // Poems of any poet of the book, each title saying whose it is; the first is shown.
    EXPECT_EQ(column(names::超级列表框_诗词残, 1),
              (std::vector<std::string>{"静夜思（李白）", "送人（李白）"}));
    EXPECT_NE(page().find("<b>李白:静夜思</b>"), std::string::npos);
    EXPECT_EQ(main().statusText(names::状态条1), "找到 2 首标题或诗句含有“明月”的诗词");
    main().selectRow(names::超级列表框_诗词残, 1);
    main().click(names::按钮2);
    EXPECT_EQ(captions().front(), "花");

    main().selectItem(names::组合框_书目, 1);
    main().setText(names::编辑框_诗词搜索, " 鹿鸣 ");
    main().click(names::按钮_诗词搜索);
    EXPECT_EQ(column(names::超级列表框_诗词残, 1), (std::vector<std::string>{"小雅·鹿鸣（雅）"}));
    main().setText(names::编辑框_诗词搜索, "明月");
    main().click(names::按钮_诗词搜索);
    EXPECT_EQ(main().rowCount(names::超级列表框_诗词残), 0);
    EXPECT_EQ(main().statusText(names::状态条1), "没有找到标题或诗句含有“明月”的诗词");
    main().setText(names::编辑框_诗词搜索, "");
    main().click(names::按钮_诗词搜索); // an empty search lists the chosen section again
    EXPECT_EQ(column(names::超级列表框_诗词残, 1),
              (std::vector<std::string>{"国风·周南·关雎", "国风·秦风·蒹葭"}));
    EXPECT_EQ(poemSearchStatus("月", 501, 500),
              "找到的诗词超过 500 首，只列出前 500 首，请输入更长的标题或诗句");
}

TEST_F(PoemControllerTest, ShowingThePageFillsEmptyListsAndKeepsAChoice)
{
    choose("李白", 2);
    m_poems.pageShown();
    EXPECT_EQ(main().cell(names::超级列表框_诗人列表, main().currentRow(names::超级列表框_诗人列表), 1),
              "李白");
    EXPECT_EQ(main().currentRow(names::超级列表框_诗词残), 2);

    // The page opened by its tab before any 开始起名: the lists are filled as 开始起名 fills them.
    main().setItems(names::组合框_书目, {});
    main().clearRows(names::超级列表框_诗人列表);
    main().clearRows(names::超级列表框_诗词残);
    m_poems.pageShown();
    EXPECT_EQ(main().items(names::组合框_书目).size(), 5u);
    EXPECT_EQ(column(names::超级列表框_诗人列表, 1).front(), "王维");
    EXPECT_EQ(column(names::超级列表框_诗词残, 1), (std::vector<std::string>{"送人"}));
    EXPECT_NE(page().find("王维:送人"), std::string::npos);
}

} // namespace
