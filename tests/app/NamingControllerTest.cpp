#include "app/NamingController.h"
#include "../naming/NamingFixture.h"
#include "app/AvoidedSetting.h"
#include "app/CommonOnlySetting.h"
#include "app/ControlNames.h"
#include "app/testing/FakeHost.h"

#include <algorithm>
#include <future>

namespace {

using namespace app;
using app::testing::FakeHost;
using app::testing::FakeWindow;

class NamingControllerTest : public NamingFixture
{
protected:
    void SetUp() override
    {
        NamingFixture::SetUp();
        m_controller.wire();
        m_controller.setSeed(11);
        main().setText(names::编辑框_姓氏, "李");
        main().click(names::单选框_高分起名);
        main().selectItem(names::组合框_性别, 0);     // 男
        main().selectItem(names::组合框_名字个数, 1); // 二字
    }

    FakeWindow& main() { return m_host.main(); }
    // Lets the run finish and applies everything it posted to the window.
    void finishRun()
    {
        m_controller.waitForRun();
        m_host.runPosted();
    }
    std::vector<int> scores()
    {
        std::vector<int> out;
        for (int r = 0; r < main().rowCount(names::超级列表框_高分起名); ++r)
            out.push_back(std::stoi(main().cell(names::超级列表框_高分起名, r, 7)));
        return out;
    }

    FakeHost m_host;
    NamingController m_controller{m_host, m_store};
};

TEST_F(NamingControllerTest, HighScoreRunFillsTheSortedListAndRestoresTheControls)
{
    main().click(names::按钮_起名);
    EXPECT_EQ(main().currentPage(names::高级选择夹1), kPageHighScore);
    EXPECT_FALSE(main().isEnabled(names::按钮_高分暂停));
    EXPECT_FALSE(main().isEnabled(names::按钮_再生成一次));
    EXPECT_FALSE(main().isEnabled(names::按钮_高分导出));
    EXPECT_FALSE(main().isToolButtonEnabled(names::工具条1, 0));
    EXPECT_FALSE(main().isMenuItemEnabled(names::菜单_模式选择));
    EXPECT_NE(m_host.find(names::NestlingWaiting), nullptr);

    finishRun();
    const std::vector<int> listed = scores();
    ASSERT_FALSE(listed.empty());
    EXPECT_LE(listed.size(), 10000u);
    EXPECT_TRUE(std::is_sorted(listed.rbegin(), listed.rend()));
    EXPECT_GE(listed.back(), 90);
    EXPECT_EQ(main().cell(names::超级列表框_高分起名, 0, 0), "1");
    EXPECT_EQ(main().row(names::超级列表框_高分起名, 0).image, 0);
    EXPECT_TRUE(main().isEnabled(names::按钮_高分暂停));
    EXPECT_TRUE(main().isEnabled(names::按钮_再生成一次));
    EXPECT_TRUE(main().isEnabled(names::按钮_高分导出));
    EXPECT_TRUE(main().isToolButtonEnabled(names::工具条1, 0));
    EXPECT_TRUE(main().isMenuItemEnabled(names::菜单_模式选择));
    EXPECT_EQ(m_host.find(names::NestlingWaiting), nullptr) << "the waiting window is closed";
    EXPECT_TRUE(m_host.messages().empty());
}

TEST_F(NamingControllerTest, SameSurnameKeepsTheListAndRegenerateReplacesIt)
{
    main().click(names::按钮_起名);
    finishRun();
    const auto first = main().row(names::超级列表框_高分起名, 0);
    main().setCurrentPage(names::高级选择夹1, 0);
    main().click(names::按钮_起名);
    EXPECT_EQ(main().currentPage(names::高级选择夹1), kPageHighScore);
    EXPECT_FALSE(m_controller.running());
    EXPECT_EQ(main().row(names::超级列表框_高分起名, 0), first);

    m_controller.setSeed(12);
    main().click(names::按钮_再生成一次);
    EXPECT_EQ(main().rowCount(names::超级列表框_高分起名), 0) << "emptied at once";
    finishRun();
    EXPECT_GT(main().rowCount(names::超级列表框_高分起名), 0);
}

// 只列常见名字, on by default, leaves the unsupported names out and says how many; off, the same run
// lists them too and the count goes from the status bar. The three pages' boxes are one setting.
TEST_F(NamingControllerTest, CommonOnlyBoxLeavesOutUnsupportedNamesAndSaysHowMany)
{
    const names::Name list = names::超级列表框_高分起名;
    for (names::Name box : kCommonOnlyBoxes)
        EXPECT_TRUE(main().isChecked(box)) << box;
    main().click(names::按钮_起名);
    finishRun();
    const int common = main().rowCount(list);
    const std::string status = main().statusText(names::状态条1);
    ASSERT_TRUE(status.starts_with("已略去 ") && status.ends_with(" 个无依据的名字")) << status;
    const int leftOut = std::stoi(status.substr(std::string("已略去 ").size()));
    EXPECT_GT(leftOut, 0);
    EXPECT_GT(common, 0);

    main().click(names::选择框_超吉常见名字); // the super-auspicious page's box unticks all three
    for (names::Name box : kCommonOnlyBoxes)
        EXPECT_FALSE(main().isChecked(box)) << box;
    for (naming::Mode mode : {naming::Mode::HighScore, naming::Mode::SuperAuspicious, naming::Mode::Poem})
        EXPECT_FALSE(m_controller.readRequest(mode).commonOnly);
    main().click(names::按钮_再生成一次);
    finishRun();
    // The filtered run went on past the names it left out until its list was full (or the names
    // ran out); the full run stops at the list's size.
    const auto listSize = static_cast<int>(naming::ListingLimits{}.maxRows);
    EXPECT_EQ(main().rowCount(list), std::min(common + leftOut, listSize)) << "the same run lists every name";
    EXPECT_FALSE(main().statusText(names::状态条1).starts_with("已略去"))
        << "no count of an earlier run stays";

    main().click(names::选择框_诗词常见名字);
    EXPECT_TRUE(main().isChecked(names::选择框_高分常见名字));
    EXPECT_TRUE(m_controller.readRequest(naming::Mode::HighScore).commonOnly);
}

TEST_F(NamingControllerTest, NewSurnameAbandonsARunningListWithoutMixingRows)
{
    main().click(names::按钮_起名);
    m_host.runPosted(); // some rows of the 李 run may already be shown
    main().setText(names::编辑框_姓氏, "王");
    main().click(names::按钮_起名);
    EXPECT_EQ(m_controller.lastRunSurname(), "王");
    finishRun();
    for (int r = 0; r < main().rowCount(names::超级列表框_高分起名); ++r)
        ASSERT_EQ(main().cell(names::超级列表框_高分起名, r, 1).substr(0, 3), "王");
    const std::vector<int> listed = scores();
    EXPECT_TRUE(std::is_sorted(listed.rbegin(), listed.rend()));
}

TEST_F(NamingControllerTest, EmptySurnameStartsNothing)
{
    main().setText(names::编辑框_姓氏, "");
    main().click(names::按钮_起名);
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].text, "请输入姓氏!");
    EXPECT_EQ(m_host.messages()[0].caption, "提示");
    EXPECT_FALSE(m_controller.running());
}

TEST_F(NamingControllerTest, ASurnameIsOneOrTwoChineseCharacters)
{
    for (const char* bad : {"Li", "李a", "司马相如", "１", "。", "\u674e\u674e\u674e\u674e\u674e"}) {
        SCOPED_TRACE(bad);
        m_host.clearMessages();
        main().setText(names::编辑框_姓氏, bad);
        main().click(names::按钮_起名);
        ASSERT_EQ(m_host.messages().size(), 1u);
        EXPECT_EQ(m_host.messages()[0].text, kBadSurnameMessage);
        EXPECT_FALSE(m_controller.running());
    }
    for (const char* good : {"李", "欧阳", "𠀋"})
        EXPECT_TRUE(isSurname(good)) << good;
    // Blanks around the surname are no part of it; one inside is refused.
    m_host.clearMessages();
    main().setText(names::编辑框_姓氏, "张 三");
    main().click(names::按钮_起名);
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].text, "姓氏中不能有空格");
    EXPECT_FALSE(m_controller.running());
    m_host.clearMessages();
    main().setText(names::编辑框_姓氏, " 李\u3000");
    main().click(names::按钮_起名);
    EXPECT_TRUE(m_host.messages().empty());
    EXPECT_TRUE(m_controller.running());
    EXPECT_EQ(m_controller.readRequest(naming::Mode::HighScore).surname, "李");
    m_controller.waitForRun();
    m_host.runPosted();
}

TEST_F(NamingControllerTest, PauseLocksTheOtherModesAndAllowsExport)
{
    main().click(names::按钮_起名);
    m_controller.waitForRun();
    m_host.runPosted();
    // A finished run can still be toggled; the states follow the button as while running.
    main().click(names::按钮_高分暂停);
    EXPECT_EQ(main().text(names::按钮_高分暂停), "继续");
    EXPECT_FALSE(main().isEnabled(names::单选框_经典起名));
    EXPECT_TRUE(main().isEnabled(names::单选框_高分起名));
    EXPECT_TRUE(main().isEnabled(names::按钮_高分导出));
    main().click(names::按钮_高分暂停);
    EXPECT_EQ(main().text(names::按钮_高分暂停), "暂停");
    EXPECT_TRUE(main().isEnabled(names::单选框_经典起名));
    EXPECT_FALSE(main().isEnabled(names::按钮_高分导出));
}

TEST_F(NamingControllerTest, GenerationDialogStoresTheCharacterAndColoursTheLabel)
{
    EXPECT_EQ(main().textColor(names::标签_设置辈份), (Rgb{0x60, 0x60, 0x60}));
    main().click(names::标签_设置辈份);
    FakeWindow* dialog = m_host.find(names::设置辈份);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isChecked(names::单选框_不设置辈份));
    dialog->click(names::单选框_设置第二个字);
    dialog->setText(names::编辑框_第二个字, "");
    dialog->click(names::按钮_辈份确定);
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].text, "请输入所设定的第二个字");
    EXPECT_FALSE(dialog->isClosed());
    dialog->setText(names::编辑框_第二个字, "明");
    dialog->click(names::按钮_辈份确定);
    EXPECT_TRUE(m_controller.generation().enabled);
    EXPECT_EQ(m_controller.generation().secondChar, "明");
    EXPECT_EQ(main().textColor(names::标签_设置辈份), (Rgb{0xFF, 0, 0}));
    // The character shows beside ▽, and the super-auspicious page says it does not use it.
    EXPECT_EQ(main().text(names::标签_设置辈份), "▽ 明（第二字）");
    EXPECT_TRUE(main().isVisible(names::标签_超吉辈份说明));
    const std::string ignored =
        "已设辈份字“明”：超吉起名不使用辈份字，只有高分、组合、诗词起名的二字名使用它";
    EXPECT_EQ(main().text(names::标签_超吉辈份说明), ignored);
    // So does the status bar when a super-auspicious run starts.
    main().click(names::按钮_超吉生成);
    EXPECT_EQ(main().statusText(names::状态条1), ignored);
    finishRun();

    // Reopened: the matching radio is checked; the edit shows the form's text.
    main().click(names::标签_设置辈份);
    dialog = m_host.find(names::设置辈份);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isChecked(names::单选框_设置第二个字));
    EXPECT_EQ(dialog->text(names::编辑框_第二个字), "志");
    dialog->click(names::按钮_辈份取消);
    EXPECT_FALSE(m_controller.generation().enabled);
    EXPECT_EQ(main().textColor(names::标签_设置辈份), (Rgb{0xFF, 0, 0})) << "取消 leaves the colour";
    EXPECT_EQ(main().text(names::标签_设置辈份), "▽");
    EXPECT_FALSE(main().isVisible(names::标签_超吉辈份说明));

    // With the setting on, a run lists every formed name after the warning.
    m_controller.generation().enabled = true;
    m_host.clearMessages();
    main().click(names::按钮_起名);
    finishRun();
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].text, "设定辈份后,产生的名字较少,所以系统将显示全部名字");
    for (int r = 0; r < main().rowCount(names::超级列表框_高分起名); ++r)
        ASSERT_EQ(main().cell(names::超级列表框_高分起名, r, 1).substr(3, 3), "明");
}

} // namespace

namespace {

// The taboo characters typed in the dialog are left out of the next run while 排除避讳字 is checked.
TEST_F(NamingControllerTest, TabooCharactersSetInTheDialogLeaveNamesOut)
{
    main().click(names::按钮_起名);
    finishRun();
    ASSERT_GT(main().rowCount(names::超级列表框_高分起名), 0);
    const std::string avoided = main().cell(names::超级列表框_高分起名, 0, 1).substr(3, 3);
    EXPECT_FALSE(main().isEnabled(names::选择框_排除避讳字));

    int changed = 0;
    const auto openDialog = [&] {
        openAvoidedDialog(m_host, [&] { ++changed; });
        FakeWindow* dialog = m_host.find(names::设置避讳);
        EXPECT_NE(dialog, nullptr);
        return dialog;
    };
    FakeWindow* dialog = openDialog();
    dialog->setText(names::编辑框_避讳字, "abc");
    dialog->click(names::按钮_避讳确定);
    ASSERT_EQ(m_host.messages().size(), 1u) << "no Chinese character: said, the dialog stays";
    EXPECT_EQ(m_host.messages()[0].text, kAvoidedNoCharacterMessage);
    dialog->setText(names::编辑框_避讳字, "、" + avoided + " ");
    dialog->click(names::按钮_避讳确定);
    EXPECT_EQ(m_host.find(names::设置避讳), nullptr);
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(main().text(names::透明标签_避讳字), avoided);
    EXPECT_TRUE(main().isEnabled(names::选择框_排除避讳字));
    EXPECT_TRUE(main().isChecked(names::选择框_排除避讳字)) << "on once characters are set";

    main().click(names::按钮_再生成一次);
    finishRun();
    ASSERT_GT(main().rowCount(names::超级列表框_高分起名), 0);
    for (int r = 0; r < main().rowCount(names::超级列表框_高分起名); ++r)
        ASSERT_EQ(main().cell(names::超级列表框_高分起名, r, 1).substr(3).find(avoided), std::string::npos);

    main().click(names::选择框_排除避讳字);
    EXPECT_EQ(m_controller.readRequest(naming::Mode::Classic).avoid, "");
    main().click(names::选择框_排除避讳字);
    EXPECT_EQ(m_controller.readRequest(naming::Mode::Poem).avoid, avoided);

    dialog = openDialog();
    EXPECT_EQ(dialog->text(names::编辑框_避讳字), avoided);
    dialog->setText(names::编辑框_避讳字, "");
    dialog->click(names::按钮_避讳确定);
    EXPECT_EQ(main().text(names::透明标签_避讳字), "");
    EXPECT_FALSE(main().isEnabled(names::选择框_排除避讳字));
    EXPECT_FALSE(main().isChecked(names::选择框_排除避讳字));
    EXPECT_EQ(m_controller.readRequest(naming::Mode::HighScore).avoid, "");
}

} // namespace
