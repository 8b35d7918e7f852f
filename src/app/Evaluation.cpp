#include "app/Evaluation.h"

#include "core/Message.h"
#include "numerology/CharacterRecord.h"
#include "numerology/SplitCharacters.h"
#include "text/NameInput.h"

#include <algorithm>

namespace app {

std::string evaluationMessage(EvaluationOutcome outcome, const store::NamingStore& store,
                              std::string_view surname, std::string_view given)
{
    switch (outcome) {
    case EvaluationOutcome::MissingSurname:
        return core::kNoSurnameMessage;
    case EvaluationOutcome::MissingGivenName:
        return core::kNoGivenNameMessage;
    case EvaluationOutcome::TooLong:
        return "姓氏和名字最多各两个字";
    case EvaluationOutcome::BlankInName:
        return "姓氏和名字中不能有空格";
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
    // Grids are defined for one or two characters on each side only.
    const auto check = [](std::string_view part) { return text::checkName(part); };
    const text::NameProblem surnameProblem = check(surname);
    const text::NameProblem givenProblem = check(given);
    if (surnameProblem == text::NameProblem::Blank || givenProblem == text::NameProblem::Blank)
        return EvaluationOutcome::BlankInName;
    if (surnameProblem == text::NameProblem::TooLong || givenProblem == text::NameProblem::TooLong)
        return EvaluationOutcome::TooLong;
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
