#include "app/testing/FakeHost.h"

#include "app/UnknownControl.h"

#include <algorithm>

namespace app::testing {

// ---------------------------------------------------------------- FakeWindow

FakeWindow::FakeWindow(const WindowLayout& layout) : m_name(layout.window), m_title(layout.title)
{
    for (const ControlSpec& spec : layout.controls) {
        FakeControl& c = declare(spec.name);
        c.kind = spec.kind;
        c.text = spec.caption;
        c.checked = spec.checked;
        c.enabled = spec.enabled;
        c.visible = spec.visible;
        c.radioGroup = spec.group;
        c.color = spec.color.value_or(Rgb{});
        switch (spec.kind) {
        case ControlKind::Combo:
            c.items = spec.items;
            c.currentIndex = spec.items.empty() ? -1 : 0;
            break;
        case ControlKind::List:
            c.headers = spec.items;
            break;
        case ControlKind::Pages:
            c.pageCaptions = spec.items;
            for (std::size_t i = 0; i < spec.items.size(); ++i)
                c.pageVisible.push_back(i == 0 || !spec.firstPageOnly);
            break;
        case ControlKind::Toolbar:
            for (std::size_t i = 0; i < spec.items.size(); ++i)
                c.toolEnabled[static_cast<int>(2 * i)] = true;
            break;
        default:
            break;
        }
    }
}

FakeControl& FakeWindow::declare(std::string_view control)
{
    auto it = m_controls.find(control);
    if (it == m_controls.end())
        it = m_controls.emplace(std::string(control), FakeControl{}).first;
    return it->second;
}

FakeControl* FakeWindow::find(std::string_view control)
{
    auto it = m_controls.find(control);
    return it == m_controls.end() ? nullptr : &it->second;
}

const FakeControl* FakeWindow::find(std::string_view control) const
{
    auto it = m_controls.find(control);
    return it == m_controls.end() ? nullptr : &it->second;
}

FakeControl& FakeWindow::at(ControlName control)
{
    if (FakeControl* c = find(control))
        return *c;
    get(control);
    m_blank = FakeControl{};
    return m_blank;
}

const FakeControl* FakeWindow::get(ControlName control) const
{
    const FakeControl* c = find(control);
    if (!c && control != m_name) {
        m_unknown.insert(std::string(control));
        reportUnknownControl({m_name, std::string(control)});
    }
    return c;
}

bool FakeWindow::exists(ControlName control) const
{
    return find(control) != nullptr;
}

std::string FakeWindow::text(ControlName control) const
{
    const FakeControl* c = get(control);
    if (c && !c->items.empty()) // a drop-down list's text is its selected item, as in the Qt host
        return currentText(control);
    return c ? c->text : std::string();
}

void FakeWindow::setText(ControlName control, std::string_view text)
{
    at(control).text = text;
}

void FakeWindow::setTextColor(ControlName control, Rgb color)
{
    at(control).color = color;
}

Rgb FakeWindow::textColor(ControlName control) const
{
    const FakeControl* c = get(control);
    return c ? c->color : Rgb{};
}

std::vector<std::string> FakeWindow::items(ControlName combo) const
{
    const FakeControl* c = get(combo);
    return c ? c->items : std::vector<std::string>{};
}

void FakeWindow::setItems(ControlName combo, const std::vector<std::string>& items)
{
    FakeControl& c = at(combo);
    c.items = items;
    const int current = items.empty() ? -1 : 0;
    const bool changed = current != c.currentIndex;
    c.currentIndex = current;
    ++c.itemsSetCount;
    if (changed)
        fire(combo, EventKind::SelectionChanged, current);
}

int FakeWindow::currentIndex(ControlName combo) const
{
    const FakeControl* c = get(combo);
    return c ? c->currentIndex : -1;
}

void FakeWindow::setCurrentIndex(ControlName combo, int index)
{
    FakeControl& c = at(combo);
    if (index < 0 || index >= static_cast<int>(c.items.size()) || index == c.currentIndex)
        return;
    c.currentIndex = index;
    fire(combo, EventKind::SelectionChanged, index);
}

std::string FakeWindow::currentText(ControlName combo) const
{
    const FakeControl* c = get(combo);
    if (!c || c->currentIndex < 0 || c->currentIndex >= static_cast<int>(c->items.size()))
        return {};
    return c->items[static_cast<std::size_t>(c->currentIndex)];
}

bool FakeWindow::isChecked(ControlName control) const
{
    const FakeControl* c = get(control);
    return c && c->checked;
}

void FakeWindow::setChecked(ControlName control, bool checked)
{
    FakeControl& c = at(control);
    if (checked && !c.radioGroup.empty())
        for (auto& [name, other] : m_controls)
            if (other.radioGroup == c.radioGroup)
                other.checked = false;
    c.checked = checked;
}

bool FakeWindow::isEnabled(ControlName control) const
{
    const FakeControl* c = get(control);
    return c && c->enabled;
}

void FakeWindow::setEnabled(ControlName control, bool enabled)
{
    at(control).enabled = enabled;
}

bool FakeWindow::isVisible(ControlName control) const
{
    const FakeControl* c = get(control);
    return c && c->visible;
}

void FakeWindow::setVisible(ControlName control, bool visible)
{
    at(control).visible = visible;
}

int FakeWindow::rowCount(ControlName list) const
{
    const FakeControl* c = get(list);
    return c ? static_cast<int>(c->rows.size()) : 0;
}

ListRow FakeWindow::row(ControlName list, int row) const
{
    const FakeControl* c = get(list);
    if (!c || row < 0 || row >= static_cast<int>(c->rows.size()))
        return {};
    return c->rows[static_cast<std::size_t>(row)];
}

std::string FakeWindow::cell(ControlName list, int row, int column) const
{
    const ListRow r = this->row(list, row);
    if (column < 0 || column >= static_cast<int>(r.cells.size()))
        return {};
    return r.cells[static_cast<std::size_t>(column)];
}

void FakeWindow::appendRows(ControlName list, const std::vector<ListRow>& rows)
{
    auto& target = at(list).rows;
    target.insert(target.end(), rows.begin(), rows.end());
}

void FakeWindow::setRow(ControlName list, int row, const ListRow& value)
{
    auto& rows = at(list).rows;
    if (row >= 0 && row < static_cast<int>(rows.size()))
        rows[static_cast<std::size_t>(row)] = value;
}

void FakeWindow::setCell(ControlName list, int row, int column, std::string_view text)
{
    auto& rows = at(list).rows;
    if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0)
        return;
    auto& cells = rows[static_cast<std::size_t>(row)].cells;
    if (static_cast<std::size_t>(column) >= cells.size())
        cells.resize(static_cast<std::size_t>(column) + 1);
    cells[static_cast<std::size_t>(column)] = text;
}

void FakeWindow::setRowImage(ControlName list, int row, int image)
{
    auto& rows = at(list).rows;
    if (row >= 0 && row < static_cast<int>(rows.size()))
        rows[static_cast<std::size_t>(row)].image = image;
}

void FakeWindow::setRows(ControlName list, const std::vector<ListRow>& rows)
{
    FakeControl& c = at(list);
    c.rows = rows;
    c.currentRow = -1;
}

void FakeWindow::removeRow(ControlName list, int row)
{
    removeRows(list, row, 1);
}

void FakeWindow::removeRows(ControlName list, int first, int count)
{
    FakeControl& c = at(list);
    const int size = static_cast<int>(c.rows.size());
    if (first < 0 || count <= 0 || first >= size)
        return;
    const int last = std::min(size, first + count);
    c.rows.erase(c.rows.begin() + first, c.rows.begin() + last);
    if (c.currentRow >= static_cast<int>(c.rows.size()))
        c.currentRow = static_cast<int>(c.rows.size()) - 1;
}

void FakeWindow::clearRows(ControlName list)
{
    FakeControl& c = at(list);
    c.rows.clear();
    c.currentRow = -1;
}

int FakeWindow::currentRow(ControlName list) const
{
    const FakeControl* c = get(list);
    return c ? c->currentRow : -1;
}

void FakeWindow::setCurrentRow(ControlName list, int row)
{
    FakeControl& c = at(list);
    const int current = row >= 0 && row < static_cast<int>(c.rows.size()) ? row : -1;
    if (current == c.currentRow)
        return;
    c.currentRow = current;
    fire(list, EventKind::CurrentRowChanged, current);
}

std::vector<std::string> FakeWindow::columnHeaders(ControlName list) const
{
    const FakeControl* c = get(list);
    return c ? c->headers : std::vector<std::string>{};
}

int FakeWindow::currentPage(ControlName pages) const
{
    const FakeControl* c = get(pages);
    return c ? c->currentPage : -1;
}

void FakeWindow::setCurrentPage(ControlName pages, int page)
{
    FakeControl& c = at(pages);
    if (page < 0 || page >= static_cast<int>(c.pageCaptions.size()) || page == c.currentPage)
        return;
    c.currentPage = page;
    fire(pages, EventKind::PageChanged, page);
}

int FakeWindow::pageCount(ControlName pages) const
{
    const FakeControl* c = get(pages);
    return c ? static_cast<int>(c->pageCaptions.size()) : 0;
}

std::string FakeWindow::pageCaption(ControlName pages, int page) const
{
    const FakeControl* c = get(pages);
    if (!c || page < 0 || page >= static_cast<int>(c->pageCaptions.size()))
        return {};
    return c->pageCaptions[static_cast<std::size_t>(page)];
}

void FakeWindow::setPageCaption(ControlName pages, int page, std::string_view caption)
{
    FakeControl& c = at(pages);
    if (page >= 0 && page < static_cast<int>(c.pageCaptions.size()))
        c.pageCaptions[static_cast<std::size_t>(page)] = caption;
}

bool FakeWindow::isPageVisible(ControlName pages, int page) const
{
    const FakeControl* c = get(pages);
    return c && page >= 0 && page < static_cast<int>(c->pageVisible.size()) &&
           c->pageVisible[static_cast<std::size_t>(page)];
}

void FakeWindow::setPageVisible(ControlName pages, int page, bool visible)
{
    FakeControl& c = at(pages);
    if (page >= 0 && page < static_cast<int>(c.pageVisible.size()))
        c.pageVisible[static_cast<std::size_t>(page)] = visible;
}

bool FakeWindow::isToolButtonEnabled(ControlName toolbar, int index) const
{
    const FakeControl* c = get(toolbar);
    if (!c)
        return false;
    auto it = c->toolEnabled.find(index);
    return it != c->toolEnabled.end() && it->second;
}

void FakeWindow::setToolButtonEnabled(ControlName toolbar, int index, bool enabled)
{
    FakeControl& c = at(toolbar);
    if (c.toolEnabled.count(index))
        c.toolEnabled[index] = enabled;
}

void FakeWindow::setStatus(ControlName statusBar, int picture, std::string_view text)
{
    FakeControl& c = at(statusBar);
    c.statusPicture = picture;
    c.text = text;
}

std::string FakeWindow::statusText(ControlName statusBar) const
{
    return text(statusBar);
}

int FakeWindow::statusPicture(ControlName statusBar) const
{
    const FakeControl* c = get(statusBar);
    return c ? c->statusPicture : -1;
}

bool FakeWindow::isMenuItemEnabled(ControlName item) const
{
    return isEnabled(item);
}

void FakeWindow::setMenuItemEnabled(ControlName item, bool enabled)
{
    setEnabled(item, enabled);
}

void FakeWindow::popUpMenu(ControlName menu)
{
    get(menu);
    m_lastPopUp = menu;
}

void FakeWindow::navigate(ControlName browser, const std::string& file)
{
    // As a browser does: a new page drops the pages ahead of the one shown.
    FakeControl& c = at(browser);
    c.history.resize(static_cast<size_t>(c.historyAt) + 1);
    c.history.push_back(file);
    c.historyAt = static_cast<int>(c.history.size()) - 1;
    c.file = file;
}

void FakeWindow::browserGo(ControlName browser, BrowserStep step)
{
    FakeControl& c = at(browser);
    if (c.history.empty())
        return;
    const int last = static_cast<int>(c.history.size()) - 1;
    switch (step) {
    case BrowserStep::Home:
        c.historyAt = 0;
        break;
    case BrowserStep::Back:
        c.historyAt = std::max(c.historyAt - 1, 0);
        break;
    case BrowserStep::Forward:
        c.historyAt = std::min(c.historyAt + 1, last);
        break;
    }
    c.file = c.history[static_cast<size_t>(c.historyAt)];
}

std::string FakeWindow::browserFile(ControlName browser) const
{
    const FakeControl* c = get(browser);
    return c ? c->file : std::string();
}

void FakeWindow::print(ControlName browser)
{
    ++at(browser).printCount;
}

void FakeWindow::play(ControlName player, const std::string& address)
{
    at(player).file = address;
}

void FakeWindow::setProgress(ControlName bar, int value, int maximum)
{
    FakeControl& c = at(bar);
    c.progressValue = value;
    c.progressMaximum = maximum;
    c.visible = maximum > 0;
}

std::string FakeWindow::cloneCheckBox(ControlName templateBox, ControlName container,
                                      std::string_view caption, bool checked, int x, int y, int width,
                                      int height)
{
    get(templateBox);
    get(container);
    std::string name = std::string(templateBox) + "_" + std::to_string(++m_cloneCounter);
    FakeControl& c = declare(name);
    c.kind = ControlKind::Check;
    c.text = caption;
    c.checked = checked;
    c.container = container;
    c.x = x;
    c.y = y;
    c.width = width;
    c.height = height;
    m_cloneOrder.push_back(name);
    return name;
}

void FakeWindow::destroyControl(ControlName control)
{
    get(control);
    if (auto it = m_controls.find(control); it != m_controls.end())
        m_controls.erase(it);
    std::erase(m_cloneOrder, std::string(control));
}

std::vector<std::string> FakeWindow::controlNames() const
{
    std::vector<std::string> result;
    for (const auto& [name, control] : m_controls)
        result.push_back(name);
    return result;
}

std::vector<std::string> FakeWindow::clonedBoxes() const
{
    return m_cloneOrder;
}

void FakeWindow::on(ControlName control, EventKind kind, Handler handler)
{
    get(control);
    m_handlers[{std::string(control), kind}] = std::move(handler);
}

void FakeWindow::close()
{
    if (m_closed)
        return;
    fire(m_name, EventKind::Closed);
    m_closed = true;
}

bool FakeWindow::fire(std::string_view control, EventKind kind, int index)
{
    get(control);
    auto it = m_handlers.find({std::string(control), kind});
    if (it == m_handlers.end())
        return false;
    Handler handler = it->second; // the handler may replace itself
    handler(Event{std::string(control), kind, index});
    return true;
}

void FakeWindow::click(std::string_view control)
{
    FakeControl* c = find(control);
    if (!c) {
        get(control);
        return;
    }
    if (!c->enabled || !c->visible)
        return;
    if (!c->radioGroup.empty())
        setChecked(control, true);
    else if (c->kind == ControlKind::Check)
        c->checked = !c->checked;
    fire(control, EventKind::Clicked);
}

void FakeWindow::clickTool(std::string_view toolbar, int index)
{
    if (!isToolButtonEnabled(toolbar, index))
        return;
    fire(toolbar, EventKind::Clicked, index);
}

void FakeWindow::selectItem(std::string_view combo, int index)
{
    setCurrentIndex(combo, index);
}

void FakeWindow::selectRow(std::string_view list, int row)
{
    setCurrentRow(list, row);
}

void FakeWindow::doubleClickRow(std::string_view list, int row)
{
    if (currentRow(list) != row)
        selectRow(list, row);
    fire(list, EventKind::DoubleClicked, row);
}

void FakeWindow::rightClickRow(std::string_view list, int row)
{
    if (row >= 0 && currentRow(list) != row)
        selectRow(list, row);
    fire(list, EventKind::ContextMenu, row);
}

void FakeWindow::choosePage(std::string_view pages, int page)
{
    setCurrentPage(pages, page);
}

void FakeWindow::closeByUser()
{
    close();
}

// ---------------------------------------------------------------- FakeHost

FakeHost::FakeHost() : m_main(std::make_unique<FakeWindow>(*windowLayout(names::NestlingMain))) {}

FakeHost::~FakeHost() = default;

Window* FakeHost::openWindow(std::string_view windowName, WindowMode mode, Window* owner)
{
    const WindowLayout* layout = windowLayout(windowName);
    if (!layout)
        return nullptr;
    m_windows.push_back(std::make_unique<FakeWindow>(*layout));
    m_opened.push_back(
        {std::string(windowName), mode, owner ? owner->windowName() : std::string(names::NestlingMain)});
    return m_windows.back().get();
}

FakeWindow* FakeHost::find(std::string_view windowName)
{
    if (windowName == names::NestlingMain)
        return m_main.get();
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it)
        if (!(*it)->isClosed() && (*it)->windowName() == windowName)
            return it->get();
    return nullptr;
}

Window* FakeHost::findWindow(std::string_view windowName)
{
    return find(windowName);
}

MessageAnswer FakeHost::messageBox(const core::Message& message)
{
    m_messages.push_back(message);
    if (m_answers.empty())
        return MessageAnswer::Ok;
    const MessageAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

bool FakeHost::openWithDesktop(const std::string& file)
{
    m_desktop.push_back(file);
    return m_desktopResult;
}

std::optional<std::string> FakeHost::chooseSaveFile(const std::string& suggestedName, const std::string&)
{
    m_suggestedSaveNames.push_back(suggestedName);
    if (m_saveFiles.empty())
        return std::nullopt;
    std::optional<std::string> file = std::move(m_saveFiles.front());
    m_saveFiles.pop_front();
    return file;
}

std::optional<std::string> FakeHost::httpGet(const std::string& url, int)
{
    m_httpRequests.push_back(url);
    if (auto it = m_http.find(url); it != m_http.end())
        return it->second;
    return std::nullopt;
}

void FakeHost::post(std::function<void()> work)
{
    {
        std::lock_guard lock(m_postMutex);
        if (!m_postInline) {
            m_posted.push_back(std::move(work));
            return;
        }
    }
    work();
}

int FakeHost::runPosted()
{
    int count = 0;
    for (;;) {
        std::function<void()> work;
        {
            std::lock_guard lock(m_postMutex);
            if (m_posted.empty())
                return count;
            work = std::move(m_posted.front());
            m_posted.pop_front();
        }
        work();
        ++count;
    }
}

std::size_t FakeHost::pendingPosts() const
{
    std::lock_guard lock(m_postMutex);
    return m_posted.size();
}

bool FakeHost::applySkin(const Skin& skin)
{
    if (m_skinFails)
        return false;
    m_skins.push_back(skin);
    return true;
}

} // namespace app::testing
