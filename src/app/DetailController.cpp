#include "app/DetailController.h"

#include "app/BrowserToolbar.h"
#include "app/ControlNames.h"
#include "app/Evaluation.h"
#include "app/NameListRows.h"
#include "app/RecordsPage.h"
#include "reports/NameDetail.h"
#include "reports/ReportFiles.h"
#include "text/NameInput.h"

#include <array>

namespace app {
namespace {

struct NameList
{
    names::Name list;
    bool brokenNameCell; // surname CR LF given name (else surname + given name)
    bool recorded;       // opening a name adds it to the naming records
};

constexpr std::array<NameList, 7> kNameLists = {{
    {names::超级列表框_高分起名, false, true},
    {names::超级列表框_超吉起名, false, true},
    {names::超级列表框_诗名列表, false, true},
    {names::超级列表框_组合列表, false, true},
    {names::超级列表框_小名列表, false, true},
    {names::超级列表框_评分列表, true, false},
    {names::超级列表框_记录列表, true, false},
}};

// The browser view of each page of the detail window.
constexpr std::array<names::Name, 6> kPageBrowsers = {names::网页浏览框1, names::网页浏览框2,
                                                      names::网页浏览框3, names::网页浏览框4,
                                                      names::网页浏览框5, names::网页浏览框6};
constexpr int kSurnamePage = 5;
constexpr int kMaxCharacterPages = 4;

ControlName browserOfPage(int page)
{
    return page >= 0 && page < static_cast<int>(kPageBrowsers.size())
               ? kPageBrowsers[static_cast<size_t>(page)]
               : kPageBrowsers[0];
}

const NameList* nameListOf(ControlName list)
{
    for (const NameList& candidate : kNameLists)
        if (candidate.list == list)
            return &candidate;
    return nullptr;
}

bool isGap(char c)
{
    return c == ' ' || c == '\r' || c == '\n' || c == '\t';
}

} // namespace

std::optional<reports::SplitName> classicNameAt(std::string_view text, std::size_t offset,
                                                std::string_view surname)
{
    if (surname.empty() || offset > text.size())
        return std::nullopt;
    // A double-click just after a name's last character still means that name.
    if ((offset == text.size() || isGap(text[offset])) && offset > 0 && !isGap(text[offset - 1]))
        --offset;
    if (offset >= text.size() || isGap(text[offset]))
        return std::nullopt;
    std::size_t begin = offset;
    while (begin > 0 && !isGap(text[begin - 1]))
        --begin;
    std::size_t end = offset;
    while (end < text.size() && !isGap(text[end]))
        ++end;
    const std::string_view name = text.substr(begin, end - begin);
    if (!name.starts_with(surname) || name.size() == surname.size())
        return std::nullopt;
    return reports::SplitName{std::string(surname), std::string(name.substr(surname.size()))};
}

void sayPageNotWritten(Host& host, const std::filesystem::path& programFolder)
{
    host.messageBox({core::MessageIcon::Warning, core::kMessageTitle,
                     "无法写入报告文件（" + reports::dataFolder(programFolder).string() +
                         "）。\r\n请检查磁盘空间和该文件夹的写入权限。"});
}

DetailController::DetailController(Host& host, const store::NamingStore& store,
                                   std::filesystem::path programFolder, RecordsPage& records)
    : m_host(host), m_store(store), m_programFolder(std::move(programFolder)), m_records(records)
{
}

void DetailController::wire()
{
    Window& main = m_host.mainWindow();
    for (const NameList& entry : kNameLists)
        main.on(entry.list, EventKind::DoubleClicked,
                [this, list = entry.list](const Event&) { OpenNameDetail(list); });
    // The classic names are plain text, not a list: the double-click gives the place in the text.
    main.on(names::编辑框_经典名字, EventKind::DoubleClicked,
            [this](const Event& e) { openClassicName(e.index); });
}

void DetailController::openClassicName(int offset)
{
    Window& main = m_host.mainWindow();
    if (offset < 0)
        return;
    const auto name = classicNameAt(main.text(names::编辑框_经典名字), static_cast<std::size_t>(offset),
                                    text::trimName(main.text(names::编辑框_姓氏)));
    if (!name)
        return;
    reports::NameReport report;
    Window* window = openDetail(name->surname, name->given, &report);
    if (!window)
        return;
    if (m_detailOpened)
        m_detailOpened(*window, name->surname, name->given);
    // Recorded as a name opened from any generated list, with the cells its report gives.
    m_records.AddNamingRecord(name->surname, name->given,
                              toListRow(evaluationRow(0, name->surname, name->given, report)));
}

std::span<const names::Name> nameLists()
{
    static const std::array<names::Name, kNameLists.size()> lists = [] {
        std::array<names::Name, kNameLists.size()> out{};
        for (size_t i = 0; i < kNameLists.size(); ++i)
            out[i] = kNameLists[i].list;
        return out;
    }();
    return lists;
}

std::optional<reports::SplitName> nameOfListRow(const Window& main, ControlName list, int row)
{
    const NameList* entry = nameListOf(list);
    if (!entry || row < 0 || row >= main.rowCount(list))
        return std::nullopt;
    const std::string cell = main.cell(list, row, 1);
    if (cell.empty())
        return std::nullopt;
    if (entry->brokenNameCell)
        return reports::splitNameCell(cell);
    std::string surname = main.text(names::编辑框_姓氏);
    std::string given = reports::givenFromListName(cell, surname);
    return reports::SplitName{std::move(surname), std::move(given)};
}

void DetailController::OpenNameDetail(ControlName list)
{
    const NameList* entry = nameListOf(list);
    if (!entry)
        return;
    Window& main = m_host.mainWindow();
    const int selected = main.currentRow(list);
    const auto name = nameOfListRow(main, list, selected);
    if (!name)
        return;
    Window* window = openDetail(name->surname, name->given);
    if (window && m_detailOpened)
        m_detailOpened(*window, name->surname, name->given);
    if (entry->recorded)
        m_records.AddNamingRecord(name->surname, name->given, main.row(list, selected));
}

Window* DetailController::openDetail(std::string_view surname, std::string_view given,
                                     reports::NameReport* report)
{
    reports::NameDetail detail =
        reports::writeNameDetail(m_store, m_programFolder, surname, given, m_checker);
    if (report)
        *report = detail.report;
    if (!detail.written) {
        // The files still hold an earlier name: showing them under this name's title would mislead.
        sayPageNotWritten(m_host, m_programFolder);
        return nullptr;
    }
    Window* window = m_host.openWindow(names::NestlingConten, WindowMode::Modeless, &m_host.mainWindow());
    if (!window)
        return nullptr;
    window->setTitle(detail.caption);
    wireDetailWindow(*window);
    window->navigate(kPageBrowsers[0], reports::reportFile(m_programFolder).string());
    for (size_t i = 0; i < detail.characters.size() && i < kMaxCharacterPages; ++i) {
        const int page = static_cast<int>(i) + 1;
        window->setPageVisible(names::高级选择夹1, page, true);
        window->setPageCaption(names::高级选择夹1, page, detail.characters[i]);
    }
    window->setPageVisible(names::高级选择夹1, kSurnamePage, true);
    window->setPageCaption(names::高级选择夹1, kSurnamePage, reports::kSurnamePageCaption);
    return window;
}

void DetailController::wireDetailWindow(Window& window)
{
    Window* w = &window;
    window.on(names::高级选择夹1, EventKind::PageChanged, [folder = m_programFolder, w](const Event& e) {
        // Page 0 keeps the report it loaded when the window opened.
        if (e.index < 1 || e.index > kSurnamePage)
            return;
        const std::filesystem::path file = e.index == kSurnamePage
                                               ? reports::surnamePageFile(folder)
                                               : reports::characterPageFile(folder, e.index);
        w->navigate(browserOfPage(e.index), file.string());
    });
    wireBrowserToolbar(m_host, window, [](const Window& shown) {
        return browserOfPage(shown.currentPage(names::高级选择夹1));
    });
}

} // namespace app
