#include "app/PoemController.h"

#include "app/ControlNames.h"
#include "app/DetailController.h"
#include "app/NamingController.h"
#include "reports/ReportFiles.h"
#include "text/Utf8.h"

#include <charconv>

namespace app {
namespace {

constexpr int kTitleCell = 1;
constexpr int kIdCell = 2;

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

PoemController::PoemController(Host& host, const store::NamingStore& store,
                               std::filesystem::path programFolder, NamingController& naming)
    : m_host(host), m_store(store), m_programFolder(std::move(programFolder)), m_naming(naming)
{
}

void PoemController::wire()
{
    m_naming.setModeStart(naming::Mode::Poem, [this] { startPoemMode(); });
    Window& main = m_host.mainWindow();
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

void PoemController::startPoemMode()
{
    LoadPoets();
    LoadPoems();
    Window& main = m_host.mainWindow();
    main.setCurrentPage(names::高级选择夹2, kPoemPagePick);
    main.setCurrentPage(names::高级选择夹1, kPagePoem);
}

void PoemController::LoadPoets()
{
    std::vector<ListRow> rows;
    for (std::string& poet : naming::loadPoetNames(m_store))
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
    for (naming::PoemEntry& poem : naming::loadPoemEntries(m_store, selectedPoet()))
        rows.push_back(
            {{std::to_string(rows.size() + 1), std::move(poem.title), std::to_string(poem.id)}, 0});
    Window& main = m_host.mainWindow();
    m_filling = true;
    main.clearRows(names::超级列表框_诗词残);
    main.appendRows(names::超级列表框_诗词残, rows);
    main.setCurrentRow(names::超级列表框_诗词残, 0);
    m_filling = false;
    ShowPoem();
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
    return naming::findPoem(m_store, selectedPoet(), main.cell(names::超级列表框_诗词残, row, kTitleCell),
                            parseId(main.cell(names::超级列表框_诗词残, row, kIdCell)));
}

void PoemController::ShowPoem()
{
    Window& main = m_host.mainWindow();
    const int row = main.currentRow(names::超级列表框_诗词残);
    if (row < 0)
        return;
    const std::optional<naming::Poem> poem = selectedPoem();
    const std::filesystem::path file = reports::reportFile(m_programFolder);
    // A page that cannot be written is said; the view is not sent to what the file still holds.
    if (!reports::writeGbkFile(file,
                               poemPage(selectedPoet(), main.cell(names::超级列表框_诗词残, row, kTitleCell),
                                        poem ? poem->text : std::string()))) {
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
    request.poemText = selectedPoem().value_or(naming::Poem{}).text;
    if (!request.surname.empty())
        main.setCurrentPage(names::高级选择夹2, kPoemPageNames);
    m_naming.startRun(std::move(request));
}

} // namespace app
