#pragma once

// The operations the window logic needs of a window system, on controls found by name. The Qt host
// (src/gui) implements them over widgets whose object names are the control names; tests use the
// in-memory fake of src/app/testing. Every call is made on the window thread; a worker thread hands
// its work to the window thread with Host::post.
#include "core/Message.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace app {

class Skin;

using ControlName = std::string_view;

// One row of a list view: its text cells (eight for the name lists), its picture index and the tip
// shown over its first cell (why a name is marked).
struct ListRow
{
    ListRow() = default;
    ListRow(std::vector<std::string> rowCells, int rowImage = 0, std::string rowTip = {})
        : cells(std::move(rowCells)), image(rowImage), tip(std::move(rowTip))
    {
    }

    std::vector<std::string> cells;
    int image = 0;
    std::string tip;

    bool operator==(const ListRow&) const = default;
};

struct Rgb
{
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Rgb&) const = default;
};

enum class EventKind
{
    Clicked,           // button, radio, check box, clickable label, menu item, toolbar button (index)
    DoubleClicked,     // list view row (index = row); text box (index = byte offset in its UTF-8 text)
    CurrentRowChanged, // list view (index = new current row, -1 for none); also when code changes it
    ContextMenu,       // right click on a list view (index = row under the mouse, -1 for none)
    PageChanged,       // page control (index = new page); also when code changes it
    SelectionChanged,  // drop-down list (index = new item, -1 for none); also when code changes it
    Closed,            // the window itself (control = window name)
};

struct Event
{
    std::string control;
    EventKind kind = EventKind::Clicked;
    int index = -1;
};

using Handler = std::function<void(const Event&)>;

enum class WindowMode
{
    Modeless,
    Modal,
};

// The history buttons of a browser view: the page it was opened with, one page back, one forward.
enum class BrowserStep
{
    Home,
    Back,
    Forward,
};

enum class MessageAnswer
{
    Ok,
    Cancel,
    Yes,
    No,
};

// The controls of one open window, as its layout (app/WindowLayouts.h) describes them. A name the
// window does not have is reported as an UnknownControl (app/UnknownControl.h), whatever the call;
// only exists() asks without a report. Texts are UTF-8; multi-line text boxes use CR LF line breaks.
class Window
{
public:
    virtual ~Window() = default;

    virtual std::string windowName() const = 0;
    virtual bool exists(ControlName control) const = 0;

    // The window's caption.
    virtual std::string title() const = 0;
    virtual void setTitle(std::string_view title) = 0;

    // Text of an edit box or label; caption of a button, radio, check box or group box.
    virtual std::string text(ControlName control) const = 0;
    virtual void setText(ControlName control, std::string_view text) = 0;
    virtual void setTextColor(ControlName control, Rgb color) = 0;
    virtual Rgb textColor(ControlName control) const = 0;

    // Drop-down lists.
    virtual std::vector<std::string> items(ControlName combo) const = 0;
    virtual void setItems(ControlName combo, const std::vector<std::string>& items) = 0;
    virtual int currentIndex(ControlName combo) const = 0;
    virtual void setCurrentIndex(ControlName combo, int index) = 0;
    // The text of the selected item; empty when nothing is selected.
    virtual std::string currentText(ControlName combo) const = 0;

    // Radio buttons and check boxes. Checking a radio unchecks the others of its group.
    virtual bool isChecked(ControlName control) const = 0;
    virtual void setChecked(ControlName control, bool checked) = 0;

    virtual bool isEnabled(ControlName control) const = 0;
    virtual void setEnabled(ControlName control, bool enabled) = 0;
    virtual bool isVisible(ControlName control) const = 0;
    virtual void setVisible(ControlName control, bool visible) = 0;

    // List views. Rows are appended in one batch per call.
    virtual int rowCount(ControlName list) const = 0;
    virtual ListRow row(ControlName list, int row) const = 0;
    virtual std::string cell(ControlName list, int row, int column) const = 0;
    virtual void appendRows(ControlName list, const std::vector<ListRow>& rows) = 0;
    virtual void setRow(ControlName list, int row, const ListRow& value) = 0;
    virtual void setCell(ControlName list, int row, int column, std::string_view text) = 0;
    virtual void setRowImage(ControlName list, int row, int image) = 0;
    // Replaces all rows at once (a sorted list after a run).
    virtual void setRows(ControlName list, const std::vector<ListRow>& rows) = 0;
    virtual void removeRow(ControlName list, int row) = 0;
    virtual void removeRows(ControlName list, int first, int count) = 0;
    virtual void clearRows(ControlName list) = 0;
    virtual int currentRow(ControlName list) const = 0;
    virtual void setCurrentRow(ControlName list, int row) = 0;
    virtual std::vector<std::string> columnHeaders(ControlName list) const = 0;

    // Page controls.
    virtual int currentPage(ControlName pages) const = 0;
    virtual void setCurrentPage(ControlName pages, int page) = 0;
    virtual int pageCount(ControlName pages) const = 0;
    virtual std::string pageCaption(ControlName pages, int page) const = 0;
    virtual void setPageCaption(ControlName pages, int page, std::string_view caption) = 0;
    virtual bool isPageVisible(ControlName pages, int page) const = 0;
    virtual void setPageVisible(ControlName pages, int page, bool visible) = 0;

    // Toolbars (buttons by index, separators count) and the status bar's first part.
    virtual bool isToolButtonEnabled(ControlName toolbar, int index) const = 0;
    virtual void setToolButtonEnabled(ControlName toolbar, int index, bool enabled) = 0;
    virtual void setStatus(ControlName statusBar, int picture, std::string_view text) = 0;
    virtual std::string statusText(ControlName statusBar) const = 0;
    virtual int statusPicture(ControlName statusBar) const = 0;

    // Menu items of this window (by item name), enabled state.
    virtual bool isMenuItemEnabled(ControlName item) const = 0;
    virtual void setMenuItemEnabled(ControlName item, bool enabled) = 0;
    // Shows a pop-up menu at the mouse position; its items report Clicked events.
    virtual void popUpMenu(ControlName menu) = 0;

    // Browser views: show a local file; print the shown page through the print dialog. browserFile is
    // the local file shown now (after links and history steps as well).
    virtual void navigate(ControlName browser, const std::string& file) = 0;
    virtual std::string browserFile(ControlName browser) const = 0;
    virtual void print(ControlName browser) = 0;
    // Steps through the view's history; a step that has nowhere to go does nothing.
    virtual void browserGo(ControlName browser, BrowserStep step) = 0;

    // Media player: open an address and play it.
    virtual void play(ControlName player, const std::string& address) = 0;

    // Progress of the waiting window's bar; maximum 0 hides the bar.
    virtual void setProgress(ControlName bar, int value, int maximum) = 0;

    // Check boxes made at run time as copies of a template box, placed inside a container (pixel
    // rectangle relative to the container). Returns the new box's name; destroyControl removes it.
    virtual std::string cloneCheckBox(ControlName templateBox, ControlName container,
                                      std::string_view caption, bool checked, int x, int y, int width,
                                      int height) = 0;
    virtual void destroyControl(ControlName control) = 0;

    // Handlers: one per control and event kind; a later registration replaces the earlier one.
    virtual void on(ControlName control, EventKind kind, Handler handler) = 0;

    // Closes (and destroys) this window; its Closed handler runs first, as for a close by the user.
    // The Window object must not be used afterwards.
    virtual void close() = 0;
};

// The window system as a whole.
class Host
{
public:
    virtual ~Host() = default;

    virtual Window& mainWindow() = 0;
    virtual void showMainWindow() = 0;

    // Opens a secondary window, owned by `owner` (the main window when null). Modal windows block
    // the other windows but not the caller: the call returns once the window is shown. The pointer is
    // valid until the window closes (its Closed event).
    virtual Window* openWindow(std::string_view windowName, WindowMode mode, Window* owner = nullptr) = 0;
    // The most recently opened window of that name that is still open, or null.
    virtual Window* findWindow(std::string_view windowName) = 0;

    // A modal message box; returns the button pressed.
    virtual MessageAnswer messageBox(const core::Message& message) = 0;

    // Opens a file with the desktop's default program; false when nothing could be started.
    virtual bool openWithDesktop(const std::string& file) = 0;

    // Asks where to save a file (the save dialog, starting in the user's documents folder with
    // `suggestedName`); nothing when the user cancels.
    virtual std::optional<std::string> chooseSaveFile(const std::string& suggestedName,
                                                      const std::string& filter) = 0;

    // A plain HTTP GET of `url`, waiting for the answer (at most `timeoutMs`); the body as received, or
    // nothing when there is no answer. A host without a network gives nothing.
    virtual std::optional<std::string> httpGet(const std::string& url, int timeoutMs = 10000)
    {
        (void)url;
        (void)timeoutMs;
        return std::nullopt;
    }

    // Runs `work` on the window thread (later, in order). Safe to call from any thread.
    virtual void post(std::function<void()> work) = 0;

    // Applies a skin to every window; false leaves the current look.
    virtual bool applySkin(const Skin& skin) = 0;

    // Ends the event loop; the process ends once the caller returns.
    virtual void quit() = 0;
};

} // namespace app
