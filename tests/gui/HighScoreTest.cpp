// The high-score mode end to end in the real window: type a surname, choose the mode, press
// 按钮_起名 and wait for the sorted list. Runs on the built database (skipped without one).
#include "RealProgram.h"
#include "app/ControlNames.h"
#include "app/Program.h"
#include "app/Settings.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxSeam.h"
#include "gui/QtHost.h"
#include "gui/QtWindow.h"
#include "store/LoadNamingDatabase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace n = app::names;

class HighScoreTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        gui::styleApplication();
        if (builtDatabase().empty())
            QSKIP("no built database");
    }

    void init() { gui::MessageBoxSeam::setAutomatic(true); }

    void startButtonFillsTheSortedList()
    {
        RealProgram p(builtDatabase());
        QVERIFY(p.loaded && p.started);
        p.startHighScore(QStringLiteral("李"));
        QCOMPARE(named<QTabWidget>(&p.window, n::高级选择夹1)->currentIndex(), 1);

        app::Window& main = p.host.mainWindow();
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
        QVERIFY(p.host.findWindow(n::NestlingWaiting) == nullptr);
    }

    // A run with a generation character shows its message while the waiting window is open; the run
    // closes that window when its first rows arrive. The real message box must outlive it and be
    // answered as usual, with the window program still standing.
    void runMessageOutlivesTheWaitingWindow()
    {
        RealProgram p(builtDatabase());
        QVERIFY(p.loaded && p.started);
        gui::MessageBoxSeam::setAutomatic(false);
        naming::GenerationSetting& generation = p.program.naming.generation();
        generation.enabled = true;
        generation.fixSecond = true;
        generation.secondChar = "明";

        app::Window& main = p.host.mainWindow();
        QString shownText;
        QString boxOwner;
        QTimer answerer;
        answerer.setInterval(20);
        connect(&answerer, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && boxOwner.isEmpty() && box->parentWidget())
                boxOwner = box->parentWidget()->window()->objectName();
            if (!box || p.host.findWindow(n::NestlingWaiting) || main.rowCount(n::超级列表框_高分起名) == 0)
                return;
            shownText = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        answerer.start();
        p.startHighScore(QStringLiteral("王"));
        // As a window manager does, the new waiting window becomes the active one.
        auto* waiting = dynamic_cast<gui::QtWindow*>(p.host.findWindow(n::NestlingWaiting));
        QVERIFY(waiting && waiting->root());
        QApplication::setActiveWindow(waiting->root());
        QTRY_VERIFY_WITH_TIMEOUT(!shownText.isEmpty(), 30000);
        QCOMPARE(shownText, QString::fromUtf8(naming::kGenerationMessage));
        // Not a child of the window the run closes: over the main window.
        QCOMPARE(boxOwner, QString::fromStdString(std::string(n::NestlingMain)));
        QTRY_VERIFY_WITH_TIMEOUT(main.isEnabled(n::按钮_高分导出), 30000);
        QVERIFY(main.rowCount(n::超级列表框_高分起名) > 0);
        QCOMPARE(main.cell(n::超级列表框_高分起名, 0, 1).substr(3, 3), std::string("明"));
    }
};

QTEST_MAIN(HighScoreTest)
#include "HighScoreTest.moc"
