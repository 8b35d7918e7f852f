#include "app/CombinationPages.h"
#include "../naming/NamingFixture.h"
#include "app/ControlNames.h"
#include "app/DetailController.h"
#include "app/NamingController.h"
#include "app/RecordsPage.h"
#include "app/testing/FakeHost.h"

#include <algorithm>
#include <filesystem>

namespace {

using namespace app;
using app::testing::FakeWindow;

class CombinationPagesTest : public NamingFixture
{
protected:
    void SetUp() override
    {
        NamingFixture::SetUp();
        std::filesystem::create_directories(m_dir.path() / "data");
        m_naming.wire();
        m_pages.wire();
        m_records.wire();
        m_details.wire();
        main().setText(names::编辑框_姓氏, "李");
        main().selectItem(names::组合框_名字个数, 1); // 二字
    }

    FakeWindow& main() { return m_host.main(); }
    void finishRun()
    {
        m_naming.waitForRun();
        m_host.runPosted();
    }
    std::vector<std::string> names(ControlName list)
    {
        std::vector<std::string> out;
        for (int r = 0; r < main().rowCount(list); ++r)
            out.push_back(main().cell(list, r, 1));
        return out;
    }
    // The list holds what a run of the mode lists on its own, in its order, numbered from 1.
    void expectListOfRun(ControlName list, naming::NamingRequest request)
    {
        request.surname = "李";
        request.givenLength = 2;
        naming::RunObserver quiet;
        naming::RunControl control;
        naming::NamingRun run(m_store, request, quiet, control);
        ASSERT_EQ(run.run(), naming::RunOutcome::Finished);
        ASSERT_EQ(main().rowCount(list), static_cast<int>(run.rows().size()));
        ASSERT_FALSE(run.rows().empty());
        for (size_t i = 0; i < run.rows().size(); ++i) {
            const ListRow row = main().row(list, static_cast<int>(i));
            ASSERT_EQ(row.cells[0], std::to_string(i + 1));
            ASSERT_EQ(row.cells[7], run.rows()[i].cells()[7]);
        }
        std::vector<std::string> expected;
        for (const naming::NameRow& row : run.rows())
            expected.push_back(row.name);
        std::vector<std::string> listed = names(list);
        std::sort(expected.begin(), expected.end());
        std::sort(listed.begin(), listed.end());
        EXPECT_EQ(listed, expected);
    }

    app::testing::FakeHost m_host;
    NamingController m_naming{m_host, m_store};
    CombinationPages m_pages{m_host, m_naming};
    RecordsPage m_records{m_host};
    DetailController m_details{m_host, m_store, m_dir.path(), m_records};
};

TEST_F(CombinationPagesTest, StartButtonOpensTheEmptiedPageWithoutARun)
{
    const struct
    {
        ControlName radio;
        ControlName list;
        int page;
    } modes[] = {{names::单选框_组合起名, names::超级列表框_组合列表, kPageCombination},
                 {names::单选框_起小名, names::超级列表框_小名列表, kPageNickname}};
    for (const auto& mode : modes) {
        main().setRows(mode.list, {ListRow{{"1", "李明华", "", "", "", "", "", "80"}, 0}});
        main().setCurrentPage(names::高级选择夹1, kPageModes);
        main().click(mode.radio);
        main().click(names::按钮_起名);
        EXPECT_EQ(main().currentPage(names::高级选择夹1), mode.page);
        EXPECT_EQ(main().rowCount(mode.list), 0);
        EXPECT_FALSE(m_naming.running());
        EXPECT_EQ(m_host.find(names::NestlingWaiting), nullptr);
    }
}

TEST_F(CombinationPagesTest, ACombinationTextBeyondTwoHundredCharactersOrABadSurnameStartsNothing)
{
    std::string text;
    for (int i = 0; i < 201; ++i)
        text += "明";
    main().setText(names::编辑框_组合的字, text);
    main().click(names::按钮_组合起名);
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].text, kLongCombinationMessage);
    EXPECT_EQ(m_host.find(names::NestlingWaiting), nullptr);

    // The surname is checked on every way into a run, not only by 开始起名.
    m_host.clearMessages();
    main().setText(names::编辑框_组合的字, "明华");
    main().setText(names::编辑框_姓氏, std::string(100000, 'a'));
    main().click(names::按钮_组合起名);
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].text, kBadSurnameMessage);
    EXPECT_EQ(m_host.find(names::NestlingWaiting), nullptr);
}

TEST_F(CombinationPagesTest, CombinationButtonListsThePairsOfTheTypedCharacters)
{
    main().setText(names::编辑框_组合的字, "明, 华 abc 国");
    main().setRows(names::超级列表框_组合列表, {ListRow{{"1", "李旧名", "", "", "", "", "", "80"}, 0}});
    main().setRows(names::超级列表框_高分起名, {ListRow{{"1", "李高分", "", "", "", "", "", "95"}, 0}});
    main().setCurrentPage(names::高级选择夹1, kPageCombination);
    main().click(names::按钮_组合起名);
    EXPECT_EQ(main().rowCount(names::超级列表框_组合列表), 0) << "emptied at once";
    EXPECT_NE(m_host.find(names::NestlingWaiting), nullptr);
    EXPECT_FALSE(main().isToolButtonEnabled(names::工具条1, 0));
    EXPECT_FALSE(main().isMenuItemEnabled(names::菜单_模式选择));
    EXPECT_TRUE(main().isEnabled(names::按钮_高分暂停)) << "the high-score page is not this run's";
    finishRun();

    EXPECT_EQ(main().currentPage(names::高级选择夹1), kPageCombination);
    naming::NamingRequest request;
    request.mode = naming::Mode::Combination;
    request.combinationText = "明华国";
    expectListOfRun(names::超级列表框_组合列表, request);
    EXPECT_EQ(main().rowCount(names::超级列表框_组合列表), 6)
        << "three usable characters, pairs without 李 or a double";
    EXPECT_EQ(names(names::超级列表框_高分起名), std::vector<std::string>{"李高分"});
    EXPECT_TRUE(main().isToolButtonEnabled(names::工具条1, 0));
    EXPECT_TRUE(main().isMenuItemEnabled(names::菜单_模式选择));
    EXPECT_EQ(m_host.find(names::NestlingWaiting), nullptr);
    EXPECT_TRUE(m_host.messages().empty());

    // A generated row opens its report and is recorded.
    main().doubleClickRow(names::超级列表框_组合列表, 0);
    EXPECT_NE(m_host.find(names::NestlingConten), nullptr);
    ASSERT_EQ(main().rowCount(names::超级列表框_记录列表), 1);
    EXPECT_EQ(main().cell(names::超级列表框_记录列表, 0, 1).find("李"), 0u);
}

TEST_F(CombinationPagesTest, NicknameButtonUsesTheCheckedStyle)
{
    main().click(names::单选框_阿A型);
    main().click(names::按钮_起小名);
    finishRun();
    naming::NamingRequest request;
    request.mode = naming::Mode::Nickname;
    request.nicknameStyle = naming::NicknameStyle::APrefix;
    expectListOfRun(names::超级列表框_小名列表, request);
    for (const std::string& name : names(names::超级列表框_小名列表))
        ASSERT_EQ(name.substr(0, 6), "李阿") << name;
}

TEST_F(CombinationPagesTest, EmptySurnameIsReportedByTheRun)
{
    main().setText(names::编辑框_姓氏, "");
    main().click(names::按钮_组合起名);
    finishRun();
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].text, "请输入姓氏");
    EXPECT_EQ(main().rowCount(names::超级列表框_组合列表), 0);
    EXPECT_TRUE(main().isToolButtonEnabled(names::工具条1, 0));
    EXPECT_EQ(m_host.find(names::NestlingWaiting), nullptr);
}

} // namespace
