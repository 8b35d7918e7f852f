#include "app/testing/FakeHost.h"
#include "app/ControlNames.h"
#include "app/WindowLayouts.h"
#include "app/testing/UnknownControlRecorder.h"

#include <gtest/gtest.h>

#include <thread>

namespace app {
namespace {

using namespace app::names;
using testing::FakeHost;

// The fake behaves like the Qt host where handlers depend on it.
TEST(FakeHost, RadiosOfAGroupExcludeEachOtherAndOthersStay)
{
    FakeHost host;
    auto& w = host.main();
    EXPECT_TRUE(w.isChecked(单选框_经典起名));
    EXPECT_TRUE(w.isChecked(单选框_AA型));
    w.click(单选框_起英文名);
    EXPECT_TRUE(w.isChecked(单选框_起英文名));
    EXPECT_FALSE(w.isChecked(单选框_经典起名));
    EXPECT_TRUE(w.isChecked(单选框_AA型)) << "another group";
    w.click(选择框_金3);
    EXPECT_FALSE(w.isChecked(选择框_金3)) << "disabled in the form: the click does nothing";
    w.click(选择框_金2);
    EXPECT_FALSE(w.isChecked(选择框_金2)) << "check boxes toggle";
}

TEST(FakeHost, PageAndRowChangesFireOnlyWhenTheyChange)
{
    FakeHost host;
    auto& w = host.main();
    std::vector<int> pages;
    std::vector<int> rows;
    w.on(高级选择夹1, EventKind::PageChanged, [&](const Event& e) { pages.push_back(e.index); });
    w.on(超级列表框_记录列表, EventKind::CurrentRowChanged, [&](const Event& e) { rows.push_back(e.index); });
    w.setCurrentPage(高级选择夹1, 3);
    w.setCurrentPage(高级选择夹1, 3);
    w.choosePage(高级选择夹1, 0);
    w.setCurrentPage(高级选择夹1, kPageCount); // no such page
    EXPECT_EQ(pages, (std::vector<int>{3, 0}));

    w.appendRows(超级列表框_记录列表, {{{"1", "a"}, 0}, {{"2", "b"}, 0}});
    w.doubleClickRow(超级列表框_记录列表, 1);
    w.doubleClickRow(超级列表框_记录列表, 1);
    w.setCurrentRow(超级列表框_记录列表, 5);
    EXPECT_EQ(rows, (std::vector<int>{1, -1}));
    EXPECT_TRUE(w.unknownControls().empty());
}

TEST(FakeHost, EveryWindowOpensAsItsLayoutDescribes)
{
    FakeHost host;
    for (const WindowLayout& layout : windowLayouts()) {
        SCOPED_TRACE(std::string(layout.key));
        Window* w =
            layout.key == NestlingMain ? &host.main() : host.openWindow(layout.key, WindowMode::Modeless);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(layoutDifferences(*w, layout), std::vector<std::string>{});
    }
    EXPECT_EQ(host.openWindow("NestlingNone", WindowMode::Modeless), nullptr);
}

// A handler bound to a control the window lacks, a write to it or a test's click on it is reported at
// once (the Qt host reports the same faults); by default the report ends the program.
TEST(FakeHost, AControlTheWindowLacksIsReported)
{
    FakeHost host;
    Window* single = host.openWindow(NestlingContenSinglePage, WindowMode::Modeless);
    ASSERT_NE(single, nullptr);
    bool fired = false;
    {
        testing::UnknownControlRecorder recorder;
        single->on(网页浏览框2, EventKind::Clicked, [&](const Event&) { fired = true; });
        host.main().setText("编辑框_没有这个", "x");
        host.main().click("按钮_没有这个");
        EXPECT_EQ(recorder.names(),
                  (std::vector<std::string>{"NestlingConten/网页浏览框2", "NestlingMain/编辑框_没有这个",
                                            "NestlingMain/按钮_没有这个"}));
        EXPECT_EQ(host.main().unknownControls().count("编辑框_没有这个"), 1u);
        EXPECT_FALSE(host.main().exists("编辑框_没有这个")) << "a write does not make the control";
    }
    EXPECT_FALSE(fired);
    EXPECT_DEATH(single->on(网页浏览框2, EventKind::Clicked, [](const Event&) {}),
                 "window NestlingConten has no control 网页浏览框2");
}

TEST(FakeHost, PostedWorkRunsOnRequestInOrder)
{
    FakeHost host;
    std::vector<int> order;
    std::thread worker([&] {
        for (int i = 0; i < 3; ++i)
            host.post([&order, i] { order.push_back(i); });
    });
    worker.join();
    EXPECT_TRUE(order.empty());
    EXPECT_EQ(host.runPosted(), 3);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
    host.setPostInline(true);
    host.post([&order] { order.push_back(9); });
    EXPECT_EQ(order.back(), 9);
}

TEST(FakeHost, WindowsMessagesAndClonedBoxes)
{
    FakeHost host;
    Window* detail = host.openWindow(NestlingContenSinglePage, WindowMode::Modeless);
    EXPECT_EQ(detail->windowName(), NestlingConten);
    EXPECT_TRUE(detail->exists(网页浏览框1));
    EXPECT_FALSE(detail->exists(网页浏览框2));
    EXPECT_EQ(host.findWindow(NestlingConten), detail);
    bool closed = false;
    detail->on(NestlingConten, EventKind::Closed, [&](const Event&) { closed = true; });
    detail->close();
    EXPECT_TRUE(closed);
    EXPECT_EQ(host.findWindow(NestlingConten), nullptr);

    host.setNextAnswer(MessageAnswer::No);
    EXPECT_EQ(host.messageBox({core::MessageIcon::Question, "提示", "?"}), MessageAnswer::No);
    EXPECT_EQ(host.messageBox({core::MessageIcon::Information, "提示", "!"}), MessageAnswer::Ok);
    EXPECT_EQ(host.messages().size(), 2u);

    auto& w = host.main();
    const std::string a = w.cloneCheckBox(选择框1, 分组框_诗词字符, "春", true, 0, 0, 70, 20);
    const std::string b = w.cloneCheckBox(选择框1, 分组框_诗词字符, "眠", false, 40, 0, 70, 20);
    EXPECT_EQ(w.clonedBoxes(), (std::vector<std::string>{a, b}));
    EXPECT_TRUE(w.isChecked(a));
    EXPECT_EQ(w.text(b), "眠");
    w.destroyControl(a);
    EXPECT_FALSE(w.exists(a));
    EXPECT_EQ(w.clonedBoxes(), (std::vector<std::string>{b}));
}

} // namespace
} // namespace app
