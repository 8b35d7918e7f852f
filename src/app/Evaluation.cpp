#include "app/Evaluation.h"

#include "core/Message.h"
#include "numerology/CharacterRecord.h"
#include "numerology/SplitCharacters.h"
#include "text/NameInput.h"

#include <algorithm>
#include <utility>

namespace app {

namespace {

// The first problem of the two texts, the surname's before the given name's, and whether it is the
// surname's: the checks and messages of the main window and the command line.
std::pair<text::NameProblem, bool> firstNameProblem(std::string_view surname, std::string_view given)
{
    if (const text::NameProblem problem = text::checkName(surname); problem != text::NameProblem::None)
        return {problem, true};
    return {text::checkName(given), false};
}

} // namespace

std::string evaluationMessage(EvaluationOutcome outcome, const store::NamingStore& store,
                              std::string_view surname, std::string_view given)
{
    switch (outcome) {
    case EvaluationOutcome::MissingSurname:
        return core::kNoSurnameMessage;
    case EvaluationOutcome::MissingGivenName:
        return core::kNoGivenNameMessage;
    case EvaluationOutcome::TooLong:
    case EvaluationOutcome::BlankInName:
    case EvaluationOutcome::NotChinese: {
        const auto [problem, isSurname] = firstNameProblem(surname, given);
        return text::nameProblemMessage(problem, isSurname);
    }
    case EvaluationOutcome::UnknownCharacter:
        return numerology::unscorableMessage(
            numerology::unscorableCharacter(store, std::string(surname) + std::string(given)));
    case EvaluationOutcome::AlreadyListed:
    case EvaluationOutcome::Added:
        break;
    }
    return {};
}

reports::ListCells evaluationRow(int number, std::string_view surname, std::string_view given,
                                 const reports::NameReport& report)
{
    return {std::to_string(number),
            reports::joinNameCell(surname, given),
            std::to_string(report.simplifiedTotal()),
            std::to_string(report.grids.total),
            report.elements(),
            numerology::gridsText(report.grids),
            report.threeTalents.key,
            std::to_string(report.score)};
}

std::optional<EvaluationOutcome> refuseEvaluation(const store::NamingStore& store, std::string_view surname,
                                                  std::string_view given)
{
    if (surname.empty())
        return EvaluationOutcome::MissingSurname;
    if (given.empty())
        return EvaluationOutcome::MissingGivenName;
    // Grids are defined for one or two Chinese characters on each side only; an emoji or a Latin
    // letter would be scored from whatever row the dictionary happens to hold for it.
    switch (firstNameProblem(surname, given).first) {
    case text::NameProblem::None:
    case text::NameProblem::Empty:
        break;
    case text::NameProblem::Blank:
        return EvaluationOutcome::BlankInName;
    case text::NameProblem::TooLong:
        return EvaluationOutcome::TooLong;
    case text::NameProblem::NotChinese:
        return EvaluationOutcome::NotChinese;
    }
    if (!numerology::unscorableCharacter(store, std::string(surname) + std::string(given)).empty())
        return EvaluationOutcome::UnknownCharacter;
    return std::nullopt;
}

EvaluationOutcome EvaluateName(const store::NamingStore& store, const std::filesystem::path& programFolder,
                               std::string_view surname, std::string_view given,
                               std::vector<reports::ListCells>& rows, const quality::NameChecker* checker)
{
    if (const auto refused = refuseEvaluation(store, surname, given))
        return *refused;
    const reports::NameReport report =
        reports::BuildNameReport(store, programFolder, surname, given, checker);
    const std::string cell = reports::joinNameCell(surname, given);
    if (std::any_of(rows.begin(), rows.end(), [&](const reports::ListCells& row) { return row[1] == cell; }))
        return EvaluationOutcome::AlreadyListed;
    rows.push_back(evaluationRow(static_cast<int>(rows.size()) + 1, surname, given, report));
    return EvaluationOutcome::Added;
}

} // namespace app
