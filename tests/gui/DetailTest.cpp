// The name detail window, the naming records and the export in the real window, on the built
// database (skipped without one): generate a high-score list, double-click a name, look at the
// detail window's pages, close it, open the name again and find it once in the records; export the
// list and read the file back.
#include "RealProgram.h"

#include "gui/Application.h"
#include "gui/MessageBoxSeam.h"
#include "gui/NameListView.h"
#include "gui/QtWindow.h"
#include "text/Gbk.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QWebEngineView>

#include <fstream>
#include <sstream>

namespace n = app::names;

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void doubleClickRow(QWidget* window, std::string_view list, int row)
{
    auto* view = named<gui::NameListView>(window, list);
    QVERIFY(view);
    const QRect rect = view->visualRect(view->model()->index(row, 1));
    QVERIFY(rect.isValid());
    // A widget double-click event alone counts as a press: click first, as a real double-click does.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

QWidget* detailWindow(gui::QtHost& host)
{
    auto* window = dynamic_cast<gui::QtWindow*>(host.findWindow(n::NestlingConten));
    return window ? window->root() : nullptr;
}

} // namespace

class DetailTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        gui::styleApplication();
        gui::MessageBoxSeam::setAutomatic(true);
    }

    void doubleClickOpensTheDetailRecordsOnceAndExports()
    {
        if (builtDatabase().empty())
            QSKIP("no built database");
        RealProgram program(builtDatabase());
        QVERIFY(program.loaded && program.started);
        const std::filesystem::path& root = program.root;
        gui::MainWindow& window = program.window;
        app::Window& main = program.host.mainWindow();

        named<QLineEdit>(&window, n::编辑框_姓氏)->setText(QStringLiteral("李"));
        named<QComboBox>(&window, n::组合框_名字个数)->setCurrentIndex(1);
        named<QAbstractButton>(&window, n::单选框_高分起名)->click();
        named<QAbstractButton>(&window, n::按钮_起名)->click();
        QTRY_VERIFY_WITH_TIMEOUT(
            main.isEnabled(n::按钮_高分导出) && main.rowCount(n::超级列表框_高分起名) > 0, 30000);
        const std::string name = main.cell(n::超级列表框_高分起名, 0, 1);
        QVERIFY(name.starts_with("李"));
        const std::string given = name.substr(std::string("李").size());

        // The detail window with the report and one page per character, then the surname page.
        doubleClickRow(&window, n::超级列表框_高分起名, 0);
        QWidget* detail = detailWindow(program.host);
        QVERIFY(detail);
        QCOMPARE(detail->windowTitle(), qs(name + "姓名详细解释"));
        auto* tabs = named<QTabWidget>(detail, n::高级选择夹1);
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 6);
        QCOMPARE(tabs->currentIndex(), 0);
        const QStringList captions = {QStringLiteral("姓名详细解释"),
                                      QStringLiteral("李"),
                                      qs(given.substr(0, 3)),
                                      qs(given.substr(3)),
                                      QString(),
                                      QStringLiteral("姓氏起源")};
        for (int page = 0; page < 6; ++page) {
            QCOMPARE(tabs->isTabVisible(page), page != 4);
            if (page != 4)
                QCOMPARE(tabs->tabText(page), captions[page]);
        }
        auto* report = named<QWebEngineView>(detail, n::网页浏览框1);
        QTRY_COMPARE_WITH_TIMEOUT(report->title(), QStringLiteral("名字评分"), 20000);
        auto* secondPage = named<QWebEngineView>(detail, n::网页浏览框3);
        QVERIFY(secondPage->url().isEmpty());
        tabs->setCurrentIndex(2);
        QCOMPARE(secondPage->url().fileName(), QStringLiteral("temp2.html"));
        QTRY_COMPARE_WITH_TIMEOUT(secondPage->title(), captions[2], 20000);
        tabs->setCurrentIndex(5);
        QTRY_COMPARE_WITH_TIMEOUT(named<QWebEngineView>(detail, n::网页浏览框6)->title(),
                                  QStringLiteral("百家姓_李"), 20000);

        // 退出 closes it.
        auto* toolbar = named<QToolBar>(detail, n::工具条1);
        QTest::mouseClick(toolbar->widgetForAction(toolbar->actions().at(app::kToolExit)), Qt::LeftButton);
        QTRY_VERIFY(detailWindow(program.host) == nullptr);
        QCOMPARE(main.rowCount(n::超级列表框_记录列表), 1);

        // The same name again: a new window, still one record.
        doubleClickRow(&window, n::超级列表框_高分起名, 0);
        QVERIFY(detailWindow(program.host));
        detailWindow(program.host)->close();
        QTRY_VERIFY(detailWindow(program.host) == nullptr);
        QCOMPARE(main.rowCount(n::超级列表框_记录列表), 1);
        QCOMPARE(main.cell(n::超级列表框_记录列表, 0, 1), "李\r\n" + given);
        QCOMPARE(main.cell(n::超级列表框_记录列表, 0, 7), main.cell(n::超级列表框_高分起名, 0, 7));

        // The export, read back.
        named<QAbstractButton>(&window, n::按钮_高分导出)->click();
        const std::filesystem::path file = root / "program" / "data" / "NameList.txt";
        QVERIFY(!program.host.desktopOpened().empty());
        QCOMPARE(program.host.desktopOpened().back(), file.string());
        std::istringstream lines(text::fromGbk(readFile(file)));
        std::string line;
        QVERIFY(std::getline(lines, line));
        QCOMPARE(line, std::string("编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r"));
        const int rows = main.rowCount(n::超级列表框_高分起名);
        for (int r = 0; r < rows; ++r) {
            QVERIFY(std::getline(lines, line));
            std::string expected;
            for (int c = 0; c < 8; ++c)
                expected += (c ? "    " : "") + main.cell(n::超级列表框_高分起名, r, c);
            QCOMPARE(line, expected + "\r");
        }
        QVERIFY(!std::getline(lines, line));
    }
};

QTEST_MAIN(DetailTest)
#include "DetailTest.moc"
