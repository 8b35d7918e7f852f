#pragma once

// The real window, its host and the whole window logic in a temporary folder, on the built database
// or on none: the program of the GUI tests.
#include "app/ControlNames.h"
#include "app/Program.h"
#include "gui/MainWindow.h"
#include "gui/QtHost.h"
#include "store/LoadNamingDatabase.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <filesystem>
#include <string>
#include <string_view>

class Silent : public core::MessageSink
{
public:
    void showMessage(const core::Message&) override {}
};

template <typename T> inline T* named(QWidget* root, std::string_view name)
{
    return root->findChild<T*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

// db: the database to load first (none: the program runs without one, as before its load ends);
// start: run the start-up at once.
struct RealProgram
{
    explicit RealProgram(const std::string& db = {}, bool start = true)
        : root(dir.path().toStdString()), host(window),
          program(host, store, {root / "program", root / "config", root / "nestling.lock"})
    {
        std::filesystem::create_directory(root / "program");
        Silent sink;
        loaded = !db.empty() && store::LoadNamingDatabase(store, db, sink) == store::LoadState::Ready;
        host.setDesktopOpening(false);
        program.shell.hooks().startDatabaseLoad = [] {};
        program.naming.setSeed(1);
        started = start && program.shell.startUp();
    }
    ~RealProgram() { program.shell.ExitApplication(); }

    void startHighScore(const QString& surname)
    {
        named<QLineEdit>(&window, app::names::编辑框_姓氏)->setText(surname);
        named<QComboBox>(&window, app::names::组合框_性别)->setCurrentIndex(0);
        named<QComboBox>(&window, app::names::组合框_名字个数)->setCurrentIndex(1);
        named<QAbstractButton>(&window, app::names::单选框_高分起名)->click();
        named<QAbstractButton>(&window, app::names::按钮_起名)->click();
    }

    QTemporaryDir dir;
    std::filesystem::path root;
    store::NamingStore store;
    gui::MainWindow window;
    gui::QtHost host;
    app::Program program;
    bool loaded = false;
    bool started = false;
};

// The built database the test command names, or empty when there is none.
inline std::string builtDatabase()
{
    const QByteArray db = qgetenv("NESTLING_DB");
    return db.isEmpty() || !QFile::exists(QString::fromUtf8(db)) ? std::string() : db.toStdString();
}
