#pragma once

// An in-memory window system for tests of the window logic: every control is a record of its
// state, events are fired by the test (click, double-click, page change, close), message boxes are
// recorded and answered from a queue, and posted work runs when the test says so (or at once).
#include "app/Controls.h"
#include "app/Skins.h"
#include "app/WindowLayouts.h"

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace app::testing {

struct FakeControl
{
    ControlKind kind = ControlKind::Label;
    std::string text;
    Rgb color;
    std::vector<std::string> items;
    int currentIndex = -1;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<ListRow> rows;
    std::vector<std::string> headers;
    int currentRow = -1;
    int currentPage = 0;
    std::vector<std::string> pageCaptions;
    std::vector<bool> pageVisible;
    std::map<int, bool> toolEnabled;
    int statusPicture = -1;
    std::string file; // browser view: the file shown; media player: the address played
    int printCount = 0;
    std::vector<std::string> history; // a browser's pages, historyAt the one shown
    int historyAt = -1;
    int progressValue = 0;
    int progressMaximum = 0;
    std::string radioGroup; // radios of one group uncheck each other
    std::string container;  // boxes made at run time: the container they were placed in
    int x = 0, y = 0, width = 0, height = 0;
    int itemsSetCount = 0; // how often setItems ran (a list filled twice shows as 2)
};

class FakeHost;

class FakeWindow : public Window
{
public:
    // Builds the window's controls from its layout (a window name, or a form key such as
    // names::NestlingContenSinglePage).
    explicit FakeWindow(const WindowLayout& layout);

    // --- Window ---
    std::string windowName() const override { return m_name; }
    bool exists(ControlName control) const override;
    std::string title() const override { return m_title; }
    void setTitle(std::string_view title) override { m_title = title; }
    std::string text(ControlName control) const override;
    void setText(ControlName control, std::string_view text) override;
    void setTextColor(ControlName control, Rgb color) override;
    Rgb textColor(ControlName control) const override;
    std::vector<std::string> items(ControlName combo) const override;
    void setItems(ControlName combo, const std::vector<std::string>& items) override;
    int currentIndex(ControlName combo) const override;
    void setCurrentIndex(ControlName combo, int index) override;
    std::string currentText(ControlName combo) const override;
    bool isChecked(ControlName control) const override;
    void setChecked(ControlName control, bool checked) override;
    bool isEnabled(ControlName control) const override;
    void setEnabled(ControlName control, bool enabled) override;
    bool isVisible(ControlName control) const override;
    void setVisible(ControlName control, bool visible) override;
    int rowCount(ControlName list) const override;
    ListRow row(ControlName list, int row) const override;
    std::string cell(ControlName list, int row, int column) const override;
    void appendRows(ControlName list, const std::vector<ListRow>& rows) override;
    void setRow(ControlName list, int row, const ListRow& value) override;
    void setCell(ControlName list, int row, int column, std::string_view text) override;
    void setRowImage(ControlName list, int row, int image) override;
    void setRows(ControlName list, const std::vector<ListRow>& rows) override;
    void removeRow(ControlName list, int row) override;
    void removeRows(ControlName list, int first, int count) override;
    void clearRows(ControlName list) override;
    int currentRow(ControlName list) const override;
    void setCurrentRow(ControlName list, int row) override;
    std::vector<std::string> columnHeaders(ControlName list) const override;
    int currentPage(ControlName pages) const override;
    void setCurrentPage(ControlName pages, int page) override;
    int pageCount(ControlName pages) const override;
    std::string pageCaption(ControlName pages, int page) const override;
    void setPageCaption(ControlName pages, int page, std::string_view caption) override;
    bool isPageVisible(ControlName pages, int page) const override;
    void setPageVisible(ControlName pages, int page, bool visible) override;
    bool isToolButtonEnabled(ControlName toolbar, int index) const override;
    void setToolButtonEnabled(ControlName toolbar, int index, bool enabled) override;
    void setStatus(ControlName statusBar, int picture, std::string_view text) override;
    std::string statusText(ControlName statusBar) const override;
    int statusPicture(ControlName statusBar) const override;
    bool isMenuItemEnabled(ControlName item) const override;
    void setMenuItemEnabled(ControlName item, bool enabled) override;
    void popUpMenu(ControlName menu) override;
    void navigate(ControlName browser, const std::string& file) override;
    std::string browserFile(ControlName browser) const override;
    void print(ControlName browser) override;
    void browserGo(ControlName browser, BrowserStep step) override;
    void play(ControlName player, const std::string& address) override;
    void setProgress(ControlName bar, int value, int maximum) override;
    std::string cloneCheckBox(ControlName templateBox, ControlName container, std::string_view caption,
                              bool checked, int x, int y, int width, int height) override;
    void destroyControl(ControlName control) override;
    void on(ControlName control, EventKind kind, Handler handler) override;
    void close() override;

    // --- for tests ---
    // The state of a control, or null when the window has none of that name.
    FakeControl* find(std::string_view control);
    const FakeControl* find(std::string_view control) const;
    bool isClosed() const { return m_closed; }
    // Every control the window has (declared or made at run time).
    std::vector<std::string> controlNames() const;
    // Names addressed that the window does not have (each is reported as an UnknownControl first).
    const std::set<std::string>& unknownControls() const { return m_unknown; }
    // Controls made by cloneCheckBox that still exist, in creation order.
    std::vector<std::string> clonedBoxes() const;
    // The last pop-up menu shown.
    const std::string& lastPopUp() const { return m_lastPopUp; }

    // User actions: each changes the state as the real control would, then fires the event. A
    // control the window does not have is reported, as the window logic's calls are.
    bool fire(std::string_view control, EventKind kind, int index = -1);
    void click(std::string_view control); // buttons; radios get checked; check boxes toggle
    void clickTool(std::string_view toolbar, int index);
    void selectItem(std::string_view combo, int index);
    // As in the Qt host, a change of the current row or page fires its event whether the user or the
    // code made it (setCurrentRow, setCurrentPage); nothing fires when it stays the same.
    void selectRow(std::string_view list, int row);
    void doubleClickRow(std::string_view list, int row);
    void rightClickRow(std::string_view list, int row);
    void choosePage(std::string_view pages, int page);
    void closeByUser(); // Closed event, then the window is gone

private:
    FakeControl& declare(std::string_view control);
    // The control to change or read; a name the window lacks is reported and answers from a blank.
    FakeControl& at(ControlName control);
    const FakeControl* get(ControlName control) const;

    std::string m_name;
    std::string m_title;
    std::map<std::string, FakeControl, std::less<>> m_controls;
    std::map<std::pair<std::string, EventKind>, Handler> m_handlers;
    std::vector<std::string> m_cloneOrder;
    mutable std::set<std::string> m_unknown;
    std::string m_lastPopUp;
    FakeControl m_blank;
    int m_cloneCounter = 0;
    bool m_closed = false;
};

class FakeHost : public Host
{
public:
    FakeHost();
    ~FakeHost() override;

    // --- Host ---
    Window& mainWindow() override { return *m_main; }
    void showMainWindow() override { m_mainShown = true; }
    Window* openWindow(std::string_view windowName, WindowMode mode, Window* owner = nullptr) override;
    Window* findWindow(std::string_view windowName) override;
    MessageAnswer messageBox(const core::Message& message) override;
    bool openWithDesktop(const std::string& file) override;
    std::optional<std::string> chooseSaveFile(const std::string& suggestedName,
                                              const std::string& filter) override;
    std::optional<std::string> httpGet(const std::string& url, int timeoutMs = 10000) override;
    void post(std::function<void()> work) override;
    bool applySkin(const Skin& skin) override;
    void quit() override { m_quit = true; }

    // --- for tests ---
    FakeWindow& main() { return *m_main; }
    FakeWindow* find(std::string_view windowName);
    bool mainShown() const { return m_mainShown; }
    bool quitCalled() const { return m_quit; }

    struct OpenedWindow
    {
        std::string name;
        WindowMode mode;
        std::string owner;
    };
    const std::vector<OpenedWindow>& openedWindows() const { return m_opened; }

    const std::vector<core::Message>& messages() const { return m_messages; }
    void clearMessages() { m_messages.clear(); }
    // The answers the next message boxes give (Ok once the queue is empty).
    void setNextAnswer(MessageAnswer answer) { m_answers.push_back(answer); }

    // Answers of httpGet by address (no answer for any other address); the addresses asked for.
    void setHttpAnswer(const std::string& url, std::string body) { m_http[url] = std::move(body); }
    const std::vector<std::string>& httpRequests() const { return m_httpRequests; }

    const std::vector<std::string>& desktopOpened() const { return m_desktop; }
    // The answers of the next save dialogs (a cancel once the queue is empty); the names suggested.
    void setNextSaveFile(std::optional<std::string> file) { m_saveFiles.push_back(std::move(file)); }
    const std::vector<std::string>& suggestedSaveNames() const { return m_suggestedSaveNames; }
    void setDesktopOpenResult(bool ok) { m_desktopResult = ok; }

    // Posted work runs at once on the posting thread when inline; otherwise it waits for runPosted.
    void setPostInline(bool inlineRun) { m_postInline = inlineRun; }
    // Runs the work posted so far (and work posted by it), on the calling thread; returns the count.
    int runPosted();
    std::size_t pendingPosts() const;

    const std::vector<Skin>& appliedSkins() const { return m_skins; }
    // Makes applySkin fail (a theme that does not load): the look stays.
    void setSkinFails(bool fails) { m_skinFails = fails; }

private:
    std::unique_ptr<FakeWindow> m_main;
    std::vector<std::unique_ptr<FakeWindow>> m_windows;
    std::vector<OpenedWindow> m_opened;
    std::vector<core::Message> m_messages;
    std::deque<MessageAnswer> m_answers;
    std::vector<std::string> m_desktop;
    std::deque<std::optional<std::string>> m_saveFiles;
    std::vector<std::string> m_suggestedSaveNames;
    std::map<std::string, std::string> m_http;
    std::vector<std::string> m_httpRequests;
    std::vector<Skin> m_skins;
    mutable std::mutex m_postMutex;
    std::deque<std::function<void()>> m_posted;
    bool m_postInline = false;
    bool m_mainShown = false;
    bool m_quit = false;
    bool m_desktopResult = true;
    bool m_skinFails = false;
};

} // namespace app::testing
