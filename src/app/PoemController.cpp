#include "app/PoemController.h"

#include "app/ControlNames.h"
#include "app/DetailController.h"
#include "app/NamingController.h"
#include "naming/PoemBooks.h"
#include "reports/ReportFiles.h"
#include "text/Utf8.h"

#include <algorithm>
#include <charconv>

namespace app {
namespace {

constexpr int kTitleCell = 1;
constexpr int kIdCell = 2;
// A search lists at most this many poems: a common character matches thousands of lines.
constexpr size_t kSearchRows = 500;

std::optional<std::int64_t> parseId(const std::string& text)
{
    std::int64_t id = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return id;
}

} // namespace

std::string poemPage(const std::string& poet, const std::string& title, const std::string& text)
{
    const std::string heading = reports::htmlEscape(poet) + ":" + reports::htmlEscape(title);
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\"><title>" +
           heading + "</title></head><body><b>" + heading + "</b><br><br>" +
           text::replaceAll(reports::htmlEscape(text), "。", "。<br>") + "</body><html>";
}

std::string poemSearchStatus(const std::string& words, size_t found, size_t shown)
{
    if (found == 0)
        return "没有找到标题或诗句含有“" + words + "”的诗词";
    if (found > shown)
        return "找到的诗词超过 " + std::to_string(shown) + " 首，只列出前 " + std::to_string(shown) +
               " 首，请输入更长的标题或诗句";
    return "找到 " + std::to_string(found) + " 首标题或诗句含有“" + words + "”的诗词";
}

PoemController::PoemController(Host& host, const store::NamingStore& store,
                               std::filesystem::path programFolder, NamingController& naming)
    : m_host(host), m_store(store), m_programFolder(std::move(programFolder)), m_naming(naming)
{
}

void PoemController::wire()
{
    m_naming.setModeStart(naming::Mode::Poem, [this] { startPoemMode(); });
    Window& main = m_host.mainWindow();
    main.on(names::组合框_书目, EventKind::SelectionChanged, [this](const Event&) {
        if (!m_filling) {
            LoadPoets();
            LoadPoems();
        }
    });
    main.on(names::按钮_诗词搜索, EventKind::Clicked, [this](const Event&) { searchPoems(); });
    main.on(names::超级列表框_诗人列表, EventKind::CurrentRowChanged, [this](const Event&) {
        if (!m_filling)
            LoadPoems();
    });
    main.on(names::超级列表框_诗词残, EventKind::CurrentRowChanged, [this](const Event&) {
        if (!m_filling)
            ShowPoem();
    });
    main.on(names::按钮2, EventKind::Clicked, [this](const Event&) { UsePoem(); });
    main.on(names::按钮3, EventKind::Clicked, [this](const Event&) { setAllTicks(true); });
    main.on(names::按钮6, EventKind::Clicked, [this](const Event&) { invertTicks(); });
    main.on(names::按钮4, EventKind::Clicked, [this](const Event&) { setAllTicks(false); });
    main.on(names::按钮_诗词起名, EventKind::Clicked, [this](const Event&) { generatePoemNames(); });
}

void PoemController::pageShown()
{
    // A parent who opens the page by its tab finds the lists as 开始起名 leaves them; lists already
    // filled keep the poet and poem chosen.
    Window& main = m_host.mainWindow();
    if (main.items(names::组合框_书目).empty())
        loadBooks();
    if (main.rowCount(names::超级列表框_诗人列表) == 0) {
        LoadPoets();
        LoadPoems();
    }
}

void PoemController::loadBooks()
{
    std::vector<std::string> items;
    for (naming::Book& book : naming::loadBooks(m_store))
        if (book.poems > 0)
            items.push_back(std::move(book.name));
    Window& main = m_host.mainWindow();
    const std::string chosen = main.currentText(names::组合框_书目);
    m_filling = true;
    main.setItems(names::组合框_书目, items);
    const auto at = std::find(items.begin(), items.end(), chosen);
    main.setCurrentIndex(names::组合框_书目,
                         items.empty() ? -1 : static_cast<int>(at == items.end() ? 0 : at - items.begin()));
    m_filling = false;
}

void PoemController::startPoemMode()
{
    loadBooks();
    LoadPoets();
    LoadPoems();
    Window& main = m_host.mainWindow();
    main.setCurrentPage(names::高级选择夹2, kPoemPagePick);
    main.setCurrentPage(names::高级选择夹1, kPagePoem);
}

void PoemController::LoadPoets()
{
    std::vector<ListRow> rows;
    for (std::string& poet : naming::loadBookGroups(m_store, selectedBook()))
        rows.push_back({{std::to_string(rows.size() + 1), std::move(poet)}, 0});
    Window& main = m_host.mainWindow();
    m_filling = true;
    main.clearRows(names::超级列表框_诗人列表);
    main.appendRows(names::超级列表框_诗人列表, rows);
    main.setCurrentRow(names::超级列表框_诗人列表, 0);
    m_filling = false;
}

void PoemController::LoadPoems()
{
    std::vector<ListRow> rows;
    for (naming::PoemEntry& poem : naming::loadBookPoems(m_store, selectedBook(), selectedPoet()))
        rows.push_back(
            {{std::to_string(rows.size() + 1), std::move(poem.title), std::to_string(poem.id)}, 0});
    fillPoemList(rows);
}

void PoemController::fillPoemList(const std::vector<ListRow>& rows)
{
    Window& main = m_host.mainWindow();
    m_filling = true;
    main.clearRows(names::超级列表框_诗词残);
    main.appendRows(names::超级列表框_诗词残, rows);
    main.setCurrentRow(names::超级列表框_诗词残, rows.empty() ? -1 : 0);
    m_filling = false;
    ShowPoem();
}

void PoemController::searchPoems()
{
    Window& main = m_host.mainWindow();
    std::string words = main.text(names::编辑框_诗词搜索);
    std::erase_if(words, [](char c) { return c == ' ' || c == '\t'; });
    // An empty search brings back the poems of the chosen poet.
    if (words.empty()) {
        LoadPoems();
        return;
    }
    if (main.items(names::组合框_书目).empty())
        loadBooks();
    const std::vector<naming::PoemMatch> found =
        naming::searchBookPoems(m_store, selectedBook(), words, kSearchRows + 1);
    std::vector<ListRow> rows;
    for (const naming::PoemMatch& poem : found) {
        if (rows.size() == kSearchRows)
            break;
        // Found poems come from many poets: each title says whose it is.
        rows.push_back({{std::to_string(rows.size() + 1), poem.title + "（" + poem.group + "）",
                         std::to_string(poem.id)},
                        0});
    }
    main.setStatus(names::状态条1, main.statusPicture(names::状态条1),
                   poemSearchStatus(words, found.size(), kSearchRows));
    fillPoemList(rows);
}

std::string PoemController::selectedBook() const
{
    const std::string book = m_host.mainWindow().currentText(names::组合框_书目);
    return book.empty() ? std::string(naming::kTangBook) : book;
}

std::string PoemController::selectedPoet() const
{
    const Window& main = m_host.mainWindow();
    const int row = main.currentRow(names::超级列表框_诗人列表);
    return row >= 0 ? main.cell(names::超级列表框_诗人列表, row, 1) : std::string();
}

std::optional<naming::Poem> PoemController::selectedPoem() const
{
    const Window& main = m_host.mainWindow();
    const int row = main.currentRow(names::超级列表框_诗词残);
    if (row < 0)
        return std::nullopt;
    // The row id names the poem in every book; a row without one (none is written so) by poet and title.
    if (const std::optional<std::int64_t> id = parseId(main.cell(names::超级列表框_诗词残, row, kIdCell)))
        return naming::bookPoemById(m_store, selectedBook(), *id);
    return naming::findPoem(m_store, selectedPoet(), main.cell(names::超级列表框_诗词残, row, kTitleCell));
}

void PoemController::ShowPoem()
{
    Window& main = m_host.mainWindow();
    const int row = main.currentRow(names::超级列表框_诗词残);
    if (row < 0)
        return;
    const std::optional<naming::Poem> poem = selectedPoem();
    const std::filesystem::path file = reports::reportFile(m_programFolder);
    // The heading names the poem's own poet and title: a found poem need not be the listed poet's. A
    // classic without an author is headed by its book (诗经:国风·周南·关雎).
    const std::string poet = !poem ? selectedPoet() : poem->author.empty() ? selectedBook() : poem->author;
    const std::string title = poem ? poem->title : main.cell(names::超级列表框_诗词残, row, kTitleCell);
    // A page that cannot be written is said; the view is not sent to what the file still holds.
    if (!reports::writeGbkFile(file, poemPage(poet, title, poem ? poem->text : std::string()))) {
        sayPageNotWritten(m_host, m_programFolder);
        return;
    }
    main.navigate(names::网页浏览框1, file.string());
}

void PoemController::destroyBoxes()
{
    Window& main = m_host.mainWindow();
    for (const std::string& box : m_boxes)
        main.destroyControl(box);
    m_boxes.clear();
}

void PoemController::UsePoem()
{
    destroyBoxes();
    Window& main = m_host.mainWindow();
    if (main.currentRow(names::超级列表框_诗词残) < 0) {
        m_host.messageBox({core::MessageIcon::None, core::kMessageTitle, kChoosePoemMessage});
        return;
    }
    const naming::Poem poem = selectedPoem().value_or(naming::Poem{});
    for (const std::string& character : naming::poemBoxCharacters(poem.text)) {
        const BoxPlace place = poemBoxPlace(static_cast<int>(m_boxes.size()));
        std::string box = main.cloneCheckBox(names::选择框1, names::分组框_诗词字符, character,
                                             naming::startsTicked(character, poem.marked), place.x, place.y,
                                             kBoxWidth, kBoxHeight);
        if (!box.empty())
            m_boxes.push_back(std::move(box));
    }
    main.setCurrentPage(names::高级选择夹2, kPoemPageCharacters);
}

void PoemController::setAllTicks(bool ticked)
{
    Window& main = m_host.mainWindow();
    for (const std::string& box : m_boxes)
        main.setChecked(box, ticked);
}

void PoemController::invertTicks()
{
    Window& main = m_host.mainWindow();
    for (const std::string& box : m_boxes)
        main.setChecked(box, !main.isChecked(box));
}

std::vector<std::string> PoemController::tickedCharacters() const
{
    const Window& main = m_host.mainWindow();
    std::vector<std::string> ticked;
    for (const std::string& box : m_boxes)
        if (main.isChecked(box))
            ticked.push_back(main.text(box));
    return ticked;
}

void PoemController::generatePoemNames()
{
    // One run at a time: a run of another mode (also a paused one) keeps its list.
    if (m_naming.running()) {
        m_host.messageBox({core::MessageIcon::Information, core::kMessageTitle, kRunGoingMessage});
        return;
    }
    Window& main = m_host.mainWindow();
    main.clearRows(names::超级列表框_诗名列表);
    naming::NamingRequest request = m_naming.readRequest(naming::Mode::Poem);
    request.poemCharacters = tickedCharacters();
    const naming::Poem poem = selectedPoem().value_or(naming::Poem{});
    request.poemText = poem.text;
    request.poemAuthor = poem.author;
    if (!request.surname.empty())
        main.setCurrentPage(names::高级选择夹2, kPoemPageNames);
    m_naming.startRun(std::move(request));
}

} // namespace app
