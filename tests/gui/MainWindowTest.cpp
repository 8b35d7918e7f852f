#include "RealProgram.h"

#include "app/ControlNames.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "app/Skins.h"
#include "app/WindowLayouts.h"
#include "app/testing/UnknownControlRecorder.h"
#include "calendar/BirthChart.h"
#include "calendar/ChartTables.h"
#include "gui/Application.h"
#include "gui/ElementChart.h"
#include "gui/LayoutCheck.h"
#include "gui/MessageBoxSeam.h"
#include "gui/NameListView.h"
#include "gui/QtHost.h"
#include "gui/QtWindow.h"
#include "gui/SkinStyler.h"
#include "store/NamingStore.h"
#include "text/IniFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <algorithm>
#include <csignal>
#include <memory>
#include <thread>

namespace n = app::names;

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        gui::styleApplication();
        gui::MessageBoxSeam::setAutomatic(true);
    }

    // SIGTERM, SIGINT and SIGHUP (a kill, Ctrl+C, a closed terminal) reach the window thread as an orderly
    // exit, which saves the settings; the signal handler itself only writes to a pipe.
    void terminationSignalsBecomeAnOrderlyExit()
    {
        const auto stops = std::make_shared<int>(0);
        gui::handleEndRequests([stops] { ++*stops; }, [] {});
        for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
            const int before = *stops;
            QCOMPARE(::raise(signal), 0);
            QTRY_COMPARE(*stops, before + 1);
        }
    }

    // Every window is made as its layout rows describe it, and has no named control besides them.
    void everyWindowIsAsItsLayoutDescribes()
    {
        RealProgram p({}, false);
        for (const app::WindowLayout& layout : app::windowLayouts()) {
            auto* window =
                layout.key == n::NestlingMain
                    ? &p.host.main()
                    : dynamic_cast<gui::QtWindow*>(p.host.openWindow(layout.key, app::WindowMode::Modeless));
            QVERIFY2(window, layout.title.c_str());
            std::string differences;
            for (const std::string& difference : gui::layoutDifferences(*window, layout))
                differences += std::string(layout.key) + " " + difference + "\n";
            QVERIFY2(differences.empty(), differences.c_str());
            if (window != &p.host.main())
                window->close();
        }
        // And the check sees a changed caption and a named widget no row describes.
        auto* word =
            dynamic_cast<gui::QtWindow*>(p.host.openWindow(n::NestlingWord, app::WindowMode::Modeless));
        QVERIFY(word);
        word->setText(n::按钮_查询, "找");
        QPushButton extra(word->root());
        extra.setObjectName(QStringLiteral("按钮_多余"));
        const std::vector<std::string> expected = {"按钮_查询: caption \"找\", described \"查询\"",
                                                   "按钮_多余: a QPushButton no layout row describes"};
        QCOMPARE(gui::layoutDifferences(*word, *app::windowLayout(n::NestlingWord)), expected);
        word->close();
    }

    // A handler bound to a control the window lacks is reported as in the fake (FakeHostTest), and so
    // are a write to it and a read of it; the window's own name takes its Closed handler.
    void aControlTheWindowLacksIsReported()
    {
        RealProgram p({}, false);
        app::Window* single = p.host.openWindow(n::NestlingContenSinglePage, app::WindowMode::Modeless);
        QVERIFY(single);
        app::testing::UnknownControlRecorder recorder;
        single->on(n::网页浏览框2, app::EventKind::Clicked, [](const app::Event&) {});
        single->on(n::NestlingConten, app::EventKind::Closed, [](const app::Event&) {});
        p.host.mainWindow().setText("编辑框_没有这个", "x");
        QCOMPARE(p.host.mainWindow().text("编辑框_没有这个"), std::string());
        QCOMPARE(recorder.names(),
                 (std::vector<std::string>{"NestlingConten/网页浏览框2", "NestlingMain/编辑框_没有这个",
                                           "NestlingMain/编辑框_没有这个"}));
        single->close();
    }

    // The bars drawn beside the chart text count the chart's eight elements; the missing ones are marked.
    void elementChartDrawsTheChartsCounts()
    {
        RealProgram p({}, false);
        QVERIFY(p.program.shell.startUp());
        auto* chart = named<gui::ElementChartView>(&p.window, n::图表_五行);
        QVERIFY(chart);
        app::Window& main = p.host.mainWindow();
        main.setChecked(n::单选框_自定义日期, true);
        const struct
        {
            const char* year;
            int month, day, hour;
        } dates[] = {{"2013", 1, 1, 0}, {"2013", 2, 4, 0}, {"1972", 12, 7, 0}, {"2020", 6, 15, 10}};
        for (const auto& d : dates) {
            main.setCurrentIndex(n::组合框_八字年份, std::stoi(d.year) - 1970);
            main.setCurrentIndex(n::组合框_八字月份, d.month - 1);
            main.setCurrentIndex(n::组合框_八字日子, d.day - 1);
            main.setCurrentIndex(n::组合框_八字时间, d.hour);
            p.program.shell.ShowBirthChart();
            const std::string elements = main.text(n::八字五行标签);
            const auto expected = calendar::buildBirthChartText(std::stoi(d.year), d.month, d.day, d.hour);
            QVERIFY(expected);
            QCOMPARE(elements, expected->elementsLabel);
            QCOMPARE(chart->drawnCounts(), calendar::elementCounts(expected->elementsLabel));
            const std::string missing = main.text(n::缺五行标签);
            for (int i = 0; i < 5; ++i)
                QCOMPARE(chart->categoryLabels().at(i).contains(QStringLiteral("缺")),
                         missing.find(calendar::kElements[static_cast<size_t>(i)]) != std::string::npos);
        }
        // 2020-6-15 10时: 庚子 壬午 己丑 己巳, 金,水,水,火,土,土,土,火,
        QCOMPARE(chart->drawnCounts(), (std::array<int, 5>{1, 0, 2, 2, 3}));
        QVERIFY(chart->categoryLabels().at(1).contains(QStringLiteral("缺")));
    }

    void startsSwitchesPagesAndSavesOnClose()
    {
        RealProgram p({}, false);
        QVERIFY(p.program.shell.startUp());
        QVERIFY(QTest::qWaitForWindowExposed(&p.window));
        QCOMPARE(p.window.windowTitle(), QStringLiteral("嘉禾起名软件V23.0"));
        QCOMPARE(named<QComboBox>(&p.window, n::组合框_年份)->currentText(), QStringLiteral("2013"));
        QVERIFY(named<QWidget>(&p.window, n::编辑框_八字信息)
                    ->property("plainText")
                    .toString()
                    .startsWith(QStringLiteral("公历日期：2013年1月1日0时")));

        auto* tabs = named<QTabWidget>(&p.window, n::高级选择夹1);
        auto* toolbar = named<QToolBar>(&p.window, n::工具条1);
        QCOMPARE(tabs->count(), 12);
        toolbar->actions().at(app::kToolBirthChart)->trigger();
        QCOMPARE(tabs->currentIndex(), int(app::kPageBirthChart));
        QCOMPARE(named<QLabel>(&p.window, n::透明标签_起名日期)->text(), QStringLiteral("2013年1月1日0时"));

        named<QLineEdit>(&p.window, n::编辑框_姓氏)->setText(QStringLiteral("张"));
        for (int i = 0; i < 2; ++i)
            named<QAction>(&p.window, n::菜单_姓名评分)->trigger();
        QCOMPARE(tabs->currentIndex(), int(app::kPageEvaluation));
        QCOMPARE(named<QComboBox>(&p.window, n::组合框_评分分钟)->count(), 60);
        QCOMPARE(named<QLineEdit>(&p.window, n::编辑框_评分姓氏)->text(), QStringLiteral("张"));
        toolbar->actions().at(app::kToolRecords)->trigger();
        QCOMPARE(tabs->currentIndex(), int(app::kPageRecords));

        // A mode radio shows its description in the status bar.
        named<QAbstractButton>(&p.window, n::单选框_高分起名)->click();
        QCOMPARE(p.host.mainWindow().statusPicture(n::状态条1), 1);

        p.window.close();
        QVERIFY(p.program.shell.hasExited());
        text::IniFile ini;
        QVERIFY(ini.load((p.root / "config" / app::kSettingsFileName).string()));
        QCOMPARE(QString::fromStdString(ini.value(app::kSettingsSection, app::keys::姓氏, "")),
                 QStringLiteral("张"));
    }

    // Dialogs open centred over the main window, without minimise and maximise, and Esc closes them;
    // 关于 also closes with its button. Qt's own buttons speak Chinese.
    void dialogsOpenCentredAndClose()
    {
        RealProgram p({}, false);
        QVERIFY(p.program.shell.startUp());
        p.window.setGeometry(60, 60, 640, 600);
        for (n::Name dialog : {n::AboutUs, n::设置辈份}) {
            auto* opened = dynamic_cast<gui::QtWindow*>(p.host.openWindow(dialog, app::WindowMode::Modal));
            QVERIFY(opened && opened->root());
            QWidget* root = opened->root();
            QVERIFY((root->windowFlags() & Qt::WindowMaximizeButtonHint) == 0);
            QVERIFY((root->windowFlags() & Qt::WindowMinimizeButtonHint) == 0);
            // Centred over the main window, moved only as far as the screen's edge needs (the main
            // window is wider than the offscreen screen).
            const QRect screen = p.window.screen()->availableGeometry();
            QRect expected(QPoint(0, 0), root->size());
            expected.moveCenter(p.window.frameGeometry().center());
            expected.moveTo(std::clamp(expected.left(), screen.left(),
                                       std::max(screen.left(), screen.right() - expected.width())),
                            std::clamp(expected.top(), screen.top(),
                                       std::max(screen.top(), screen.bottom() - expected.height())));
            const QPoint offset = root->pos() - expected.topLeft();
            QVERIFY2(offset.manhattanLength() <= 4,
                     qPrintable(QString::fromUtf8(dialog.data(), static_cast<int>(dialog.size()))));
            QTest::keyClick(root, Qt::Key_Escape);
            QTRY_VERIFY(p.host.findWindow(dialog) == nullptr);
        }
        auto* about = dynamic_cast<gui::QtWindow*>(p.host.openWindow(n::AboutUs, app::WindowMode::Modal));
        QVERIFY(about && about->root());
        const auto buttons = about->root()->findChildren<QAbstractButton*>();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons[0]->text(), QStringLiteral("确定"));
        QStringList shown;
        for (const QLabel* label : about->root()->findChildren<QLabel*>())
            shown << label->text();
        const QString notices = shown.join(u'\n');
        for (const char* licence : {"GPL-3.0-or-later", "CC BY-SA 4.0", "CC-CEDICT", "Unihan"})
            QVERIFY2(notices.contains(QLatin1String(licence)), licence);
        buttons[0]->click();
        QTRY_VERIFY(p.host.findWindow(n::AboutUs) == nullptr);

        QVERIFY(gui::translateApplication());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    }

    void invalidDateGoesThroughTheMessageSeam()
    {
        RealProgram p({}, false);
        QVERIFY(p.program.shell.startUp());
        gui::MessageBoxSeam::clearRecorded();
        app::Window& w = p.host.mainWindow();
        w.setChecked(n::单选框_自定义日期, true);
        w.setCurrentIndex(n::组合框_八字月份, 1);
        w.setCurrentIndex(n::组合框_八字日子, 29);
        named<QAbstractButton>(&p.window, n::按钮_八字查询)->click();
        QCOMPARE(gui::MessageBoxSeam::recorded().size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(gui::MessageBoxSeam::recorded()[0].text),
                 QStringLiteral("请选择正确的日期"));

        // 2013-2-4 0时 lacks 木 and 火: naming from the chart can fill them.
        auto* fromChart = named<QAbstractButton>(&p.window, n::按钮_按所缺五行起名);
        w.setCurrentIndex(n::组合框_八字日子, 3);
        named<QAbstractButton>(&p.window, n::按钮_八字查询)->click();
        QVERIFY(fromChart->isEnabled());
        QCOMPARE(named<QLabel>(&p.window, n::透明标签_五行说明)->text(),
                 QStringLiteral("八字五行缺木、火。可在名字中用属木、属火的字补足。"));
    }

    void workerRowsArriveInBatchesOnTheWindowThread()
    {
        RealProgram p({}, false);
        QVERIFY(p.program.shell.startUp());
        constexpr int kBatches = 50;
        constexpr int kRowsPerBatch = 200;
        std::thread worker([&host = p.host] {
            for (int b = 0; b < kBatches; ++b) {
                std::vector<app::ListRow> rows;
                for (int i = 0; i < kRowsPerBatch; ++i)
                    rows.push_back({{std::to_string(b * kRowsPerBatch + i + 1), "李明华", "14", "20",
                                     "木日火", "8,15,20,27,13", "金土土", "92"},
                                    0});
                host.post([&host, rows = std::move(rows)] {
                    host.mainWindow().appendRows(n::超级列表框_高分起名, rows);
                });
            }
        });
        worker.join();
        QTRY_COMPARE(p.host.mainWindow().rowCount(n::超级列表框_高分起名), kBatches * kRowsPerBatch);
        QCOMPARE(p.host.mainWindow().cell(n::超级列表框_高分起名, 9999, 0), std::string("10000"));
        p.host.mainWindow().removeRow(n::超级列表框_高分起名, 0);
        QCOMPARE(p.host.mainWindow().cell(n::超级列表框_高分起名, 0, 0), std::string("2"));
    }

    void secondaryWindowsReportTheirEvents()
    {
        RealProgram p({}, false);
        QVERIFY(p.program.shell.startUp());
        app::Window* detail = p.host.openWindow(n::NestlingConten, app::WindowMode::Modeless);
        QVERIFY(detail);
        QVERIFY(detail->isPageVisible(n::高级选择夹1, 0));
        QVERIFY(!detail->isPageVisible(n::高级选择夹1, 3));
        QCOMPARE(detail->pageCount(n::高级选择夹1), 6);
        // The detail window's browser views are its own, not the poem page's of the main window.
        QVERIFY(detail->exists(n::网页浏览框6));
        QVERIFY(!p.host.mainWindow().exists(n::网页浏览框6));
        int tool = -1;
        bool closed = false;
        detail->on(n::工具条1, app::EventKind::Clicked, [&](const app::Event& e) { tool = e.index; });
        detail->on(n::NestlingConten, app::EventKind::Closed, [&](const app::Event&) { closed = true; });
        auto* qtDetail = dynamic_cast<gui::QtWindow*>(detail);
        named<QToolBar>(qtDetail->root(), n::工具条1)->actions().at(app::kToolExit)->trigger();
        QCOMPARE(tool, app::kToolExit);
        QCOMPARE(p.host.findWindow(n::NestlingConten), detail);
        detail->close();
        QVERIFY(closed);
        QTRY_VERIFY(p.host.findWindow(n::NestlingConten) == nullptr);
    }

    void skinsChangeAndABrokenSkinLeavesTheLook()
    {
        RealProgram p({}, false);
        QVERIFY(p.program.shell.startUp());
        QCOMPARE(gui::currentSkinName(), QString::fromStdString(app::startSkin().name));
        const QPalette before = QApplication::palette();
        app::Skin broken = app::skinList()[5];
        broken.text = broken.base; // unreadable: refused
        QVERIFY(!gui::applySkin(broken));
        QCOMPARE(QApplication::palette(), before);
        named<QAction>(&p.window, n::菜单_更换皮肤)->trigger();
        QCOMPARE(gui::currentSkinName(), QString::fromStdString(app::skinList()[0].name));
        QVERIFY(QApplication::palette() != before);
    }

    void secondCopyEndsAtOnceWhileTheFirstRuns()
    {
        const QString program = qEnvironmentVariable("NESTLING_EXECUTABLE");
        if (program.isEmpty())
            QSKIP("the program's path is set by the test runner");
        QTemporaryDir dir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
        QProcess first;
        first.setProcessEnvironment(env);
        first.start(program);
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.path() + QStringLiteral("/nestling.lock")), 20000);
        QTest::qWait(500);
        QProcess second;
        second.setProcessEnvironment(env);
        second.start(program);
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
    }
};

int main(int argc, char** argv)
{
    gui::prepareApplication();
    QApplication application(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowTest.moc"
