// The high-score mode end to end in the real window: type a surname, choose the mode, press
// 按钮_起名 and wait for the sorted list. Runs on the built database (skipped without one).
#include "app/ControlNames.h"
#include "app/Program.h"
#include "app/Settings.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxSeam.h"
#include "gui/QtHost.h"
#include "store/LoadNamingDatabase.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace n = app::names;

namespace {

class Silent : public store::MessageSink
{
public:
    void showMessage(const store::Message&) override {}
};

template <typename T> T* named(QWidget* root, std::string_view name)
{
    return root->findChild<T*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

} // namespace

class HighScoreTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        gui::styleApplication();
        gui::MessageBoxSeam::setAutomatic(true);
    }

    void startButtonFillsTheSortedList()
    {
        const QByteArray db = qgetenv("NESTLING_DB");
        if (db.isEmpty() || !QFile::exists(QString::fromUtf8(db)))
            QSKIP("no built database");
        QTemporaryDir dir;
        const std::filesystem::path root = dir.path().toStdString();
        store::NamingStore store;
        Silent sink;
        QCOMPARE(store::LoadNamingDatabase(store, db.toStdString(), sink), store::LoadState::Ready);
        gui::MainWindow window;
        gui::QtHost host(window);
        host.setDesktopOpening(false);
        app::Program program(host, store, {root / "program", root / "config", root / "nestling.lock"});
        program.shell.hooks().startDatabaseLoad = [] {};
        program.naming.setSeed(1);
        QVERIFY(program.shell.StartUp());

        named<QLineEdit>(&window, n::编辑框_姓氏)->setText(QStringLiteral("李"));
        named<QComboBox>(&window, n::组合框_性别)->setCurrentIndex(0);
        named<QComboBox>(&window, n::组合框_名字个数)->setCurrentIndex(1);
        named<QAbstractButton>(&window, n::单选框_高分起名)->click();
        QVERIFY(named<QAbstractButton>(&window, n::单选框_高分起名)->isChecked());
        named<QAbstractButton>(&window, n::按钮_起名)->click();
        QCOMPARE(named<QTabWidget>(&window, n::高级选择夹1)->currentIndex(), 1);

        app::Window& main = host.mainWindow();
        QTRY_VERIFY_WITH_TIMEOUT(
            main.isEnabled(n::按钮_高分导出) && main.rowCount(n::超级列表框_高分起名) > 0, 30000);
        const int rows = main.rowCount(n::超级列表框_高分起名);
        QVERIFY(rows <= 10000);
        int previous = 100;
        for (int r = 0; r < rows; ++r) {
            const int score = std::stoi(main.cell(n::超级列表框_高分起名, r, 7));
            QVERIFY(score >= 90 && score <= previous);
            QCOMPARE(main.cell(n::超级列表框_高分起名, r, 0), std::to_string(r + 1));
            previous = score;
        }
        QVERIFY(host.findWindow(n::NestlingWaiting) == nullptr);
        program.shell.ExitApplication();
    }
};

QTEST_MAIN(HighScoreTest)
#include "HighScoreTest.moc"
