// nestling_screenshots FOLDER [--skins]: builds the main window and every secondary window offscreen, shows
// each page in turn and writes one PNG per page and window into FOLDER.
#include "app/ArticleMenu.h"
#include "app/ControlNames.h"
#include "app/PoemController.h"
#include "app/Program.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxSeam.h"
#include "gui/QtHost.h"
#include "gui/QtWindow.h"
#include "store/LoadNamingDatabase.h"
#include "store/NamingStore.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <unistd.h>
#include <vector>

namespace {

void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget* widget, const QDir& folder, const QString& name)
{
    const QString file = folder.filePath(name + QStringLiteral(".png"));
    // 256 colours keep the pictures small enough to embed in the manual and the README: the most
    // frequent colours of a window are its flat surfaces, so they are kept exactly.
    const QImage full = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < full.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(full.constScanLine(y));
        for (int x = 0; x < full.width(); ++x)
            ++counts[line[x]];
    }
    std::vector<std::pair<int, QRgb>> byCount;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.emplace_back(it.value(), it.key());
    std::sort(byCount.begin(), byCount.end(), std::greater<>());
    QList<QRgb> table;
    for (std::size_t i = 0; i < byCount.size() && i < 256; ++i)
        table << byCount[i].second;
    const QImage image = full.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
    const bool ok = image.save(file, "PNG", 0);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", file.toUtf8().constData());
    return ok;
}

// A window is drawn once its browser views have loaded their pages: until then a view is one flat
// colour. Waits (up to about ten seconds) for every visible view to show more than a few colours, then
// saves the window; a view still blank by then fails the picture, so the manual never shows one.
bool waitDrawn(QWidget* widget)
{
    const auto drawn = [](QWidget* view) {
        const QImage image = view->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height() && colours.size() < 16; y += 4)
            for (int x = 0; x < image.width() && colours.size() < 16; x += 4)
                colours.insert(image.pixel(x, y));
        return colours.size() >= 16;
    };
    bool allDrawn = false;
    for (int attempt = 0; attempt < 40 && !allDrawn; ++attempt) {
        settle(250);
        allDrawn = true;
        for (QWebEngineView* view : widget->findChildren<QWebEngineView*>())
            if (view->isVisible() && !view->url().isEmpty() && !drawn(view))
                allDrawn = false;
    }
    return allDrawn;
}

bool saveDrawn(QWidget* widget, const QDir& folder, const QString& name)
{
    if (!waitDrawn(widget)) {
        std::printf("FAILED %s: a page stayed blank\n", name.toUtf8().constData());
        save(widget, folder, name + QStringLiteral("-blank"));
        return false;
    }
    return save(widget, folder, name);
}

// Example content, so the pictures show what the pages look like in use.
void fillExamples(app::Window& w)
{
    namespace n = app::names;
    w.setText(n::编辑框_姓氏, "李");
    w.setCurrentIndex(n::组合框_名字个数, 1);
    w.setText(n::编辑框_评分姓氏, "李");
    w.setText(n::编辑框_评分名字, "明华");
    w.setText(n::编辑框_英文姓氏, "李");
    w.setText(n::编辑框_英文名字, "明华");
    w.setText(n::编辑框_组合的字, "圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇");
}

// The three steps of the poem page on 诗经's 蒹葭: the chosen poem, its ticked characters, the names.
bool savePoemSteps(gui::QtHost& host, app::Program& program, QWidget* window, const QDir& folder)
{
    namespace n = app::names;
    app::NamingController& naming = program.naming;
    app::PoemController& poems = program.poems;
    app::Window& main = host.mainWindow();
    poems.startPoemMode();
    const auto select = [&](std::string_view list, const std::string& text) {
        for (int r = 0; r < main.rowCount(list); ++r)
            if (main.cell(list, r, 1) == text)
                main.setCurrentRow(list, r);
    };
    const std::vector<std::string> books = main.items(n::组合框_书目);
    const auto shijing = std::find(books.begin(), books.end(), "诗经");
    if (shijing != books.end())
        main.setCurrentIndex(n::组合框_书目, static_cast<int>(shijing - books.begin()));
    select(n::超级列表框_诗人列表, "风");
    select(n::超级列表框_诗词残, "国风·秦风·蒹葭");
    bool ok = saveDrawn(window, folder, QStringLiteral("page-02-poem-pick"));
    poems.UsePoem();
    settle(150);
    ok = save(window, folder, QStringLiteral("page-02-poem-characters")) && ok;
    // Every name the ticked characters make: the few real names among a song's characters would
    // leave the picture nearly empty.
    const bool commonOnly = main.isChecked(n::选择框_诗词常见名字);
    main.setChecked(n::选择框_诗词常见名字, false);
    poems.generatePoemNames();
    for (int waited = 0; naming.running() && waited < 10000; waited += 50)
        settle(50);
    main.setChecked(n::选择框_诗词常见名字, commonOnly);
    if (app::Window* waiting = host.findWindow(n::NestlingWaiting))
        waiting->close();
    settle(150);
    return save(window, folder, QStringLiteral("page-02-poem-names")) && ok;
}

} // namespace

int main(int argc, char** argv)
{
    // Offscreen unless told otherwise; the browser views' sandbox cannot run as root (build machines).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    gui::prepareApplication();
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: nestling_screenshots FOLDER\n");
        return 2;
    }
    gui::styleApplication();
    gui::MessageBoxSeam::setAutomatic(true);
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));

    gui::translateApplication();
    // Settings and the lock in a scratch folder: the pictures never depend on, or change, a user's setup.
    QTemporaryDir scratch;
    const std::filesystem::path root = scratch.path().toStdString();
    store::NamingStore store;
    gui::MainWindow window;
    gui::QtHost host(window);
    host.setDesktopOpening(false);
    app::Program program(host, store, {store::programFolder(), root / "config", root / "nestling.lock"});
    app::Shell& shell = program.shell;
    if (!shell.startUp())
        return 1;
    fillExamples(host.mainWindow());
    window.resize(1000, 700);
    window.show();
    // Every page shows what its own buttons make, from the real database: a picture of an empty list
    // teaches nothing.
    shell.waitForDatabaseLoad();
    program.naming.setSeed(1);
    app::Window& main = host.mainWindow();
    const auto runToEnd = [&](int page, const std::function<void()>& start) {
        main.setCurrentPage(app::names::高级选择夹1, page);
        start();
        while (program.naming.running())
            settle(50);
        settle(300);
    };
    main.setChecked(app::names::单选框_高分起名, true);
    runToEnd(app::kPageHighScore, [&] { program.naming.startNaming(); });
    runToEnd(app::kPageSuperAuspicious, [&] { program.naming.generateSuperAuspicious(); });
    main.setCurrentIndex(app::names::组合框_名字个数, 1);
    runToEnd(app::kPageClassic, [&] { program.naming.generateClassic(); });
    runToEnd(app::kPageCombination, [&] { program.combination.generateCombination(); });
    main.setChecked(app::names::单选框_小A型, true);
    runToEnd(app::kPageNickname, [&] { program.combination.generateNicknames(); });
    runToEnd(app::kPageEnglish, [&] {
        program.english.generate();
        program.english.waitForWork();
    });
    main.setCurrentPage(app::names::高级选择夹1, app::kPageEvaluation);
    main.setText(app::names::编辑框_评分名字, "明华");
    main.setText(app::names::编辑框_评分姓氏, "李");
    program.evaluation.EvaluateName();
    main.setChecked(app::names::单选框_起英文名, false);
    main.setChecked(app::names::单选框_高分起名, true);

    bool ok = true;
    static const char* const pageFiles[] = {"page-00-modes",       "page-01-high-score", "page-02-poem",
                                            "page-03-combination", "page-04-nickname",   "page-05-english",
                                            "page-06-birth-chart", "page-07-evaluation", "page-08-records",
                                            "page-09-super",       "page-10-classic",    "page-11-shortlist"};
    static_assert(std::size(pageFiles) == app::kPageCount);
    // Five names starred to compare on the shortlist page.
    for (const char* given : {"明华", "思远", "浩然", "子涵", "燊"})
        program.shortlist.addToShortlist("李", given);
    for (int page = 0; page < app::kPageCount; ++page) {
        main.setCurrentPage(app::names::高级选择夹1, page);
        settle(page == app::kPagePoem ? 600 : 150);
        ok = saveDrawn(&window, folder, QString::fromLatin1(pageFiles[page])) && ok;
    }
    ok = savePoemSteps(host, program, &window, folder) && ok;

    // The chart of a date that lacks 木 (2013-1-4 0时), with 按所缺五行起名 ready beside it.
    main.setCurrentPage(app::names::高级选择夹1, app::kPageBirthChart);
    main.setChecked(app::names::单选框_自定义日期, true);
    main.setCurrentIndex(app::names::组合框_八字日子, 3);
    shell.ShowBirthChart();
    settle(150);
    ok = saveDrawn(&window, folder, QStringLiteral("page-06-birth-chart-missing")) && ok;

    // The secondary windows with real content: a report, a character page, an article.
    const auto shoot = [&](app::Window* w, const char* file) {
        auto* qt = dynamic_cast<gui::QtWindow*>(w);
        if (!qt || !qt->root()) {
            std::printf("FAILED %s: the window did not open\n", file);
            ok = false;
            return;
        }
        ok = saveDrawn(qt->root(), folder, QString::fromLatin1(file)) && ok;
        w->close();
        settle(50);
    };
    app::Window* waiting = host.openWindow(app::names::NestlingWaiting, app::WindowMode::Modeless);
    if (waiting)
        waiting->setProgress(app::names::进度条1, 4200, 10000);
    shoot(waiting, "window-waiting");
    shoot(program.details.openDetail("李", "明华"), "window-detail");
    // The report of a name with a warning, scrolled to the score chart and to 名字品鉴. The report
    // views run no page scripts; the application's own script world still may.
    if (app::Window* warned = program.details.openDetail("杜", "子腾")) {
        if (auto* qt = dynamic_cast<gui::QtWindow*>(warned); qt && qt->root() && waitDrawn(qt->root())) {
            const auto scrolledTo = [&](const QString& element, const char* file) {
                bool found = false;
                for (QWebEngineView* view : qt->root()->findChildren<QWebEngineView*>())
                    if (view->isVisible())
                        view->page()->runJavaScript(
                            QStringLiteral("(e => e ? (e.scrollIntoView(), true) : false)(") + element +
                                QStringLiteral(")"),
                            QWebEngineScript::ApplicationWorld,
                            [&found](const QVariant& result) { found = result.toBool(); });
                settle(400);
                if (!found)
                    std::printf("FAILED %s: the part to show is not in the report\n", file);
                ok = found && saveDrawn(qt->root(), folder, QString::fromLatin1(file)) && ok;
            };
            scrolledTo(QStringLiteral("document.querySelector('svg').closest('tr')"),
                       "window-detail-score-chart");
            scrolledTo(QStringLiteral("Array.from(document.querySelectorAll('span.fontcolor1'))"
                                      ".find(e => e.textContent.startsWith('名字品鉴'))"),
                       "window-detail-quality");
        } else {
            std::printf("FAILED window-detail-quality: the report did not draw\n");
            ok = false;
        }
        warned->close();
        settle(50);
    }
    app::Window* word = host.openWindow(app::names::NestlingWord, app::WindowMode::Modeless);
    if (word) {
        word->setText(app::names::编辑框1, "涵");
        app::Window* character = program.query.QueryCharacter(*word);
        shoot(character, "window-character");
        shoot(word, "window-dictionary");
    }
    const auto& menu = app::parentingMenu();
    const auto firstArticle = std::find_if(menu.begin(), menu.end(), [](const app::ArticleMenuEntry& e) {
        return e.kind == app::ArticleMenuEntry::Item;
    });
    if (firstArticle != menu.end())
        program.articles.OpenArticleCategory(firstArticle->table, firstArticle->caption);
    shoot(host.findWindow(app::names::NestlingRead), "window-reader");
    shoot(host.openWindow(app::names::设置辈份, app::WindowMode::Modeless), "window-generation");
    if (app::Window* avoided = host.openWindow(app::names::设置避讳, app::WindowMode::Modeless)) {
        avoided->setText(app::names::编辑框_避讳字, "明华");
        shoot(avoided, "window-avoided");
    }
    shoot(host.openWindow(app::names::AboutUs, app::WindowMode::Modeless), "window-about");
    // With --skins: the main window once in every skin, to review the themes side by side.
    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("--skins")) {
        host.mainWindow().setCurrentPage(app::names::高级选择夹1, app::kPageBirthChart);
        for (int i = 0; i <= app::kFurtherSkinCount; ++i) {
            if (i > 0)
                shell.ChangeSkin();
            settle(50);
            ok = save(&window, folder, QStringLiteral("skin-%1").arg(i, 2, 10, QLatin1Char('0'))) && ok;
        }
    }
    return ok ? 0 : 1;
}
