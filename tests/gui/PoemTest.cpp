// The poem mode end to end in the real window: choose a poet and a poem, take it over, tick and
// generate. Runs on the built database (skipped without one).
#include "RealProgram.h"
#include "app/ControlNames.h"
#include "app/Program.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxSeam.h"
#include "gui/QtHost.h"
#include "store/LoadNamingDatabase.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace n = app::names;

namespace {

int rowOf(const app::Window& window, std::string_view list, int column, const std::string& text)
{
    for (int r = 0; r < window.rowCount(list); ++r)
        if (window.cell(list, r, column) == text)
            return r;
    return -1;
}

} // namespace

class PoemTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        gui::styleApplication();
        gui::MessageBoxSeam::setAutomatic(true);
    }

    void choosePoemTickAndGenerate()
    {
        if (builtDatabase().empty())
            QSKIP("no built database");
        RealProgram p(builtDatabase());
        QVERIFY(p.loaded && p.started);
        gui::MainWindow& window = p.window;
        gui::QtHost& host = p.host;
        app::Program& program = p.program;
        const std::filesystem::path& root = p.root;
        window.show();

        named<QLineEdit>(&window, n::编辑框_姓氏)->setText(QStringLiteral("王"));
        named<QComboBox>(&window, n::组合框_名字个数)->setCurrentIndex(1);
        named<QAbstractButton>(&window, n::单选框_诗词起名)->click();
        named<QAbstractButton>(&window, n::按钮_起名)->click();
        QCOMPARE(named<QTabWidget>(&window, n::高级选择夹1)->currentIndex(), 2);
        app::Window& main = host.mainWindow();
        QVERIFY(main.rowCount(n::超级列表框_诗人列表) > 1000);
        QCOMPARE(main.browserFile(n::网页浏览框1), (root / "program" / "data" / "temp.html").string());

        main.setCurrentRow(n::超级列表框_诗人列表, rowOf(main, n::超级列表框_诗人列表, 1, "李白"));
        const int poem = rowOf(main, n::超级列表框_诗词残, 1, "静夜思");
        QVERIFY(poem >= 0);
        main.setCurrentRow(n::超级列表框_诗词残, poem);
        named<QAbstractButton>(&window, n::按钮2)->click();
        QCOMPARE(named<QTabWidget>(&window, n::高级选择夹2)->currentIndex(), 1);

        // The boxes live in the scrolled area of the group box, 15 to a row.
        auto* group = named<QGroupBox>(&window, n::分组框_诗词字符);
        QWidget* content = group->findChild<QScrollArea*>()->widget();
        QList<QCheckBox*> boxes = content->findChildren<QCheckBox*>();
        QCOMPARE(boxes.size(), 20);
        QCOMPARE(boxes[15]->geometry(), QRect(0, 20, 70, 20));
        QCOMPARE(boxes[0]->text(), QStringLiteral("床"));
        QVERIFY(!boxes[0]->isChecked());
        QVERIFY(boxes[1]->isChecked()); // 前

        // Every name the ticked characters make, supported or not: the few ticked characters of a
        // short poem may make no common name at all.
        auto* commonOnly = named<QAbstractButton>(&window, n::选择框_诗词常见名字);
        if (commonOnly->isChecked())
            commonOnly->click();
        named<QAbstractButton>(&window, n::按钮_诗词起名)->click();
        QCOMPARE(named<QTabWidget>(&window, n::高级选择夹2)->currentIndex(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(!program.naming.running() && main.rowCount(n::超级列表框_诗名列表) > 0,
                                 30000);
        QTRY_VERIFY_WITH_TIMEOUT(main.isEnabled(n::按钮_高分导出), 10000);
        for (int r = 0; r < main.rowCount(n::超级列表框_诗名列表); ++r)
            QVERIFY(main.cell(n::超级列表框_诗名列表, r, 1).find("王", 3) == std::string::npos);

        // A long poem: every box is made, and the scrolled area grows to hold the last of them.
        main.setCurrentRow(n::超级列表框_诗人列表, rowOf(main, n::超级列表框_诗人列表, 1, "白居易"));
        main.setCurrentRow(n::超级列表框_诗词残, rowOf(main, n::超级列表框_诗词残, 1, "长恨歌"));
        named<QAbstractButton>(&window, n::按钮2)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        boxes = content->findChildren<QCheckBox*>();
        QVERIFY(boxes.size() > 500);
        QVERIFY(content->minimumHeight() >= boxes.last()->geometry().bottom());
        program.shell.ExitApplication();
    }

    // The page opened by its tab, before any 开始起名, lists the poets; a 诗经 poem is found by its
    // section or by a search typed and entered in the box.
    void pageByItsTabListsTheBooksAndFindsAClassic()
    {
        if (builtDatabase().empty())
            QSKIP("no built database");
        RealProgram p(builtDatabase());
        QVERIFY(p.loaded && p.started);
        gui::MainWindow& window = p.window;
        app::Window& main = p.host.mainWindow();
        window.show();
        named<QTabWidget>(&window, n::高级选择夹1)->setCurrentIndex(2);
        QVERIFY(main.rowCount(n::超级列表框_诗人列表) > 1000);
        QVERIFY(main.rowCount(n::超级列表框_诗词残) > 0);
        auto* books = named<QComboBox>(&window, n::组合框_书目);
        QCOMPARE(books->itemText(0), QStringLiteral("唐诗"));
        const int shijing = books->findText(QStringLiteral("诗经"));
        if (shijing < 0)
            QSKIP("the database was built before the classics");
        books->setCurrentIndex(shijing);
        QCOMPARE(main.cell(n::超级列表框_诗人列表, 0, 1), std::string("风"));
        QCOMPARE(main.cell(n::超级列表框_诗词残, 0, 1), std::string("国风·周南·关雎"));

        auto* words = named<QLineEdit>(&window, n::编辑框_诗词搜索);
        words->setFocus();
        words->setText(QStringLiteral("在水一方"));
        QTest::keyClick(words, Qt::Key_Return);
        QCOMPARE(main.rowCount(n::超级列表框_诗词残), 1);
        QCOMPARE(main.cell(n::超级列表框_诗词残, 0, 1), std::string("国风·秦风·蒹葭（风）"));
        named<QAbstractButton>(&window, n::按钮2)->click();
        auto* group = named<QGroupBox>(&window, n::分组框_诗词字符);
        const QList<QCheckBox*> boxes =
            group->findChild<QScrollArea*>()->widget()->findChildren<QCheckBox*>();
        QCOMPARE(boxes.size(), 99);
        QCOMPARE(boxes[0]->text(), QStringLiteral("蒹"));
        p.program.shell.ExitApplication();
    }
};

QTEST_MAIN(PoemTest)
#include "PoemTest.moc"
