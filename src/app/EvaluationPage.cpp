#include "app/EvaluationPage.h"

#include "app/ControlNames.h"
#include "app/Evaluation.h"
#include "app/NameListRows.h"
#include "app/NamingController.h"
#include "quality/NameChecker.h"
#include "text/NameInput.h"

#include <optional>

namespace app {

EvaluationPage::EvaluationPage(Host& host, const store::NamingStore& store,
                               std::filesystem::path programFolder)
    : m_host(host), m_store(store), m_programFolder(std::move(programFolder))
{
}

void EvaluationPage::wire()
{
    m_host.mainWindow().on(names::按钮_评分, EventKind::Clicked, [this](const Event&) { EvaluateName(); });
}

void EvaluationPage::EvaluateName()
{
    Window& main = m_host.mainWindow();
    std::vector<reports::ListCells> rows = readRows(main, names::超级列表框_评分列表);
    // Blanks around what was typed are no part of the name.
    const std::string surname = text::trimName(main.text(names::编辑框_评分姓氏));
    const std::string given = text::trimName(main.text(names::编辑框_评分名字));
    const app::EvaluationOutcome outcome =
        app::EvaluateName(m_store, m_programFolder, surname, given, rows, m_checker);
    if (std::string message = app::evaluationMessage(outcome, m_store, surname, given); !message.empty()) {
        m_host.messageBox({core::MessageIcon::Information, core::kMessageTitle, std::move(message)});
        return;
    }
    if (outcome != app::EvaluationOutcome::Added)
        return;
    // The row is marked as the naming lists mark theirs: the picture, and the tip saying why.
    ListRow row = toListRow(rows.back());
    std::optional<quality::NameChecker> own;
    const quality::NameChecker* checker = m_checker;
    if (!checker)
        checker = &own.emplace(m_store);
    if (checker->marks(surname, given) != 0) {
        row.image = kMarkedRowImage;
        row.tip = checker->check(surname, given, false).markText();
    }
    main.appendRows(names::超级列表框_评分列表, {std::move(row)});
}

} // namespace app
