#pragma once

#include "reports/NameDetail.h"
#include "reports/NameReport.h"
#include "store/NamingStore.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

enum class EvaluationOutcome
{
    MissingSurname,   // nothing written, core::kNoSurnameMessage
    MissingGivenName, // nothing written, core::kNoGivenNameMessage
    TooLong,          // nothing written: more than two surname or given-name characters have no 外格
    BlankInName,      // nothing written: a blank inside the surname or the given name
    NotChinese,       // nothing written: a character that is no Chinese character (an emoji, a letter)
    UnknownCharacter, // nothing written: a character without a dictionary row or strokes
    AlreadyListed,    // report written, no row added
    Added,            // report written, row appended
};

// The text of the message box for an outcome; empty for AlreadyListed and Added. TooLong, BlankInName
// and NotChinese say what the main window says of the first of the two texts at fault
// (text::nameProblemMessage); UnknownCharacter names the first character of surname + given name that
// the dictionary cannot score.
std::string evaluationMessage(EvaluationOutcome outcome, const store::NamingStore& store,
                              std::string_view surname, std::string_view given);

// The checks of the evaluation page, made before anything is written: the refusing outcome, or none
// when the name may be evaluated. The caller trims blanks at both ends first (text::trimName).
std::optional<EvaluationOutcome> refuseEvaluation(const store::NamingStore& store, std::string_view surname,
                                                  std::string_view given);

// The row of the evaluation list for a name: number, surname CR LF given name, the simplified and the
// traditional totals, the elements, the five grids, the three-talent key and the score, all from the
// report of the name.
reports::ListCells evaluationRow(int number, std::string_view surname, std::string_view given,
                                 const reports::NameReport& report);

// The click on 按钮_评分 over the rows of 超级列表框_评分列表: checks the two texts (only the empty text
// is empty; blanks are content), builds the report (data/temp.html) and appends the name's row unless a
// row already holds the same name cell. The shell shows evaluationMessage(outcome) titled core::kMessageTitle
// when it is not empty.
EvaluationOutcome EvaluateName(const store::NamingStore& store, const std::filesystem::path& programFolder,
                               std::string_view surname, std::string_view given,
                               std::vector<reports::ListCells>& rows,
                               const quality::NameChecker* checker = nullptr);

} // namespace app
