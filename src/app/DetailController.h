#pragma once

#include "app/ControlNames.h"
#include "app/Controls.h"
#include "quality/NameChecker.h"
#include "reports/NameDetail.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

namespace store {
class NamingStore;
}

namespace app {

class RecordsPage;

// The seven name lists of the main window: the generated lists, the evaluation list and the records.
std::span<const names::Name> nameLists();

// The name of `row` in one of them: in the generated lists the name cell is surname + given name and
// the surname is the text of 编辑框_姓氏, in the evaluation and record lists the cell is surname CR LF
// given name. None for another list, a row that is not there or holds no name.
std::optional<reports::SplitName> nameOfListRow(const Window& main, ControlName list, int row);
// Says that a page file could not be written to the data folder (full disk, no write permission), so the
// caller shows no window over the page the file still holds from an earlier name or character.
void sayPageNotWritten(Host& host, const std::filesystem::path& programFolder);

// The name of the classic text (编辑框_经典名字) at byte `offset`: the run of characters between gaps
// (blanks, line breaks) there, split after `surname`. None on a gap, or for a run that is not
// `surname` followed by a given name (the surname was changed after the names were made).
std::optional<reports::SplitName> classicNameAt(std::string_view text, std::size_t offset,
                                                std::string_view surname);

// The name detail window NestlingConten: a double-click on a name in one of the seven name lists of
// the main window writes the name's report (data/temp.html), a page per character (temp1.html ..
// temp4.html) and the surname page (temp5.html), and opens a detail window on them. Each page's
// browser view loads its file when the page is chosen, so it shows the file as it is at that moment.
// Everything runs on the window thread, also while a naming run goes on.
class DetailController
{
public:
    DetailController(Host& host, const store::NamingStore& store, std::filesystem::path programFolder,
                     RecordsPage& records);
    DetailController(const DetailController&) = delete;
    DetailController& operator=(const DetailController&) = delete;

    // Registers the double-click handlers of the seven name lists.
    void wire();

    // The double-click on a row of `list`: the list's selected row gives the name. In the generated
    // lists the name cell is surname + given name and the surname is the text of 编辑框_姓氏; such a
    // name is also added to the naming records. In the evaluation and record lists the name cell is
    // surname CR LF given name; a cell without the line break opens nothing.
    void OpenNameDetail(ControlName list);

    // The name check the reports use (kept by the naming controller); without one each report reads
    // its own.
    void setChecker(const quality::NameChecker* checker) { m_checker = checker; }

    // Writes the name's files and opens its detail window (null when no window could be opened);
    // `report`, when given, receives the name's report.
    Window* openDetail(std::string_view surname, std::string_view given,
                       reports::NameReport* report = nullptr);

    // The double-click on the classic names' text at byte `offset`: the name there, split after the
    // surname of 编辑框_姓氏, opens as a name of a list does and is recorded.
    void openClassicName(int offset);

    // Called with each detail window opened from a list, and its name (the shortlist adds its star).
    using DetailOpened = std::function<void(Window&, const std::string&, const std::string&)>;
    void onDetailOpened(DetailOpened opened) { m_detailOpened = std::move(opened); }

private:
    void wireDetailWindow(Window& window);

    Host& m_host;
    const store::NamingStore& m_store;
    std::filesystem::path m_programFolder;
    RecordsPage& m_records;
    DetailOpened m_detailOpened;
    const quality::NameChecker* m_checker = nullptr;
};

} // namespace app
