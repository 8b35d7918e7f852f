#include "naming/NamingRun.h"

#include "naming/CharacterLists.h"
#include "numerology/SplitCharacters.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <random>

namespace naming {
namespace {

constexpr size_t kTwoCharacterCandidates = 400;
constexpr size_t kOneCharacterCandidates = 1000;
// High-score draws from the characters of at least this many real given names, so that its best
// scores hold names people bear; when fewer than the draw remain (a database without the counts),
// from the whole list.
constexpr int kDrawnFromNamesUsing = 10;

ShuffleSeeder seederFor(const NamingRequest& request)
{
    return request.seed ? ShuffleSeeder(*request.seed) : ShuffleSeeder();
}

} // namespace

std::vector<std::string> characterListFor(const std::string& sex)
{
    return numerology::SplitCharacters(sex == "男" ? boysCharacters() : girlsCharacters());
}

NamingRun::NamingRun(const store::NamingStore& store, NamingRequest request, RunObserver& observer,
                     RunControl& control, const quality::NameChecker* checker)
    : m_store(store), m_request(std::move(request)), m_observer(observer), m_control(control),
      m_seeder(seederFor(m_request)), m_checker(checker), m_likeness(NameLikeness::load(store))
{
    if (!m_checker) {
        m_ownChecker = std::make_unique<quality::NameChecker>(m_store);
        m_checker = m_ownChecker.get();
    }
}

void NamingRun::deliverRows(std::span<NameRow> batch)
{
    const size_t surnameBytes = m_request.surname.size();
    size_t hidden = 0;
    for (NameRow& row : batch) {
        const std::string_view given =
            std::string_view(row.name).substr(std::min(surnameBytes, row.name.size()));
        row.marks = m_checker->marks(m_request.surname, given);
        // A warned name (an unlucky sound or sense) and a well-known person's full name have no
        // support, however real the given name is.
        row.fit = (row.marks & (quality::kWarned | quality::kNamesake)) != 0
                      ? 0
                      : m_likeness.fit(given, m_request.sex);
        if (hides(row))
            ++hidden;
    }
    if (hidden == 0) {
        m_observer.rowsWritten(batch);
        return;
    }
    std::vector<NameRow> shown;
    std::copy_if(batch.begin(), batch.end(), std::back_inserter(shown),
                 [this](const NameRow& row) { return !hides(row); });
    for (const NameRow& row : batch)
        if (row.fit == 0 && !(m_request.hideMarked && filteredMark(row)) && filtersUnsupported())
            ++m_unsupportedLeftOut;
    if (!shown.empty())
        m_observer.rowsWritten(shown);
}

std::function<bool(const NameRow&)> NamingRun::keepsRow() const
{
    if (!m_request.hideMarked && !filtersUnsupported())
        return {};
    return [this](const NameRow& row) { return !hides(row); };
}

bool NamingRun::filtersUnsupported() const
{
    return m_request.commonOnly && (m_request.mode == Mode::HighScore ||
                                    m_request.mode == Mode::SuperAuspicious || m_request.mode == Mode::Poem);
}

bool NamingRun::filteredMark(const NameRow& row)
{
    // 过滤生僻字和不雅谐音 leaves out warnings and rare characters, not a famous namesake's note.
    return (row.marks & (quality::kWarned | quality::kRare)) != 0;
}

bool NamingRun::hides(const NameRow& row) const
{
    return (m_request.hideMarked && filteredMark(row)) || (filtersUnsupported() && row.fit == 0);
}

void NamingRun::message(core::MessageIcon icon, const char* text)
{
    m_observer.showMessage({icon, core::kMessageTitle, text});
}

RunOutcome NamingRun::run()
{
    if (m_request.surname.empty()) {
        message(core::MessageIcon::Information, core::kNoSurnameMessage);
        m_observer.runEnded(RunOutcome::NoSurname);
        return RunOutcome::NoSurname;
    }
    m_observer.runStarted();
    m_candidates = {};
    m_formed = {};
    m_rows.clear();
    m_stats = {};
    m_unsupportedLeftOut = 0;
    m_text.clear();
    RunOutcome outcome = RunOutcome::Finished;
    switch (m_request.mode) {
    case Mode::HighScore:
        outcome = runHighScore();
        break;
    case Mode::SuperAuspicious:
        outcome = runSuperAuspicious();
        break;
    case Mode::Classic:
        outcome = runClassic();
        break;
    case Mode::English:
        m_observer.englishNamesListed(
            FindEnglishNames(m_store, m_request.englishGivenName, m_request.englishGender));
        break;
    case Mode::Combination:
        outcome = runCombination();
        break;
    case Mode::Nickname:
        outcome = runNickname();
        break;
    case Mode::Poem:
        outcome = runPoem();
        break;
    default:
        // Modes without a run of their own yet end at once, listing nothing.
        break;
    }
    m_observer.runEnded(outcome);
    return outcome;
}

void NamingRun::prepareHighScoreCandidates()
{
    std::vector<std::string> list = characterListFor(m_request.sex);
    const size_t n = m_request.givenLength == 2 ? kTwoCharacterCandidates : kOneCharacterCandidates;
    std::vector<std::string> used;
    std::copy_if(list.begin(), list.end(), std::back_inserter(used), [this](const std::string& c) {
        return m_likeness.namesUsing(c) >= kDrawnFromNamesUsing &&
               m_likeness.characterSuitsSex(c, m_request.sex);
    });
    if (used.size() >= n) {
        // A draw without replacement weighted by how many real names use the character (each gets
        // the key log(u) / weight, the n largest are drawn): the characters of many names are
        // nearly always drawn, so the best scores hold names people bear.
        std::mt19937_64 generator(m_seeder.nextSeed());
        std::uniform_real_distribution<double> uniform(std::numeric_limits<double>::min(), 1.0);
        std::vector<std::pair<double, std::string>> keyed;
        keyed.reserve(used.size());
        for (std::string& c : used)
            keyed.emplace_back(std::log(uniform(generator)) / m_likeness.namesUsing(c), std::move(c));
        std::partial_sort(keyed.begin(), keyed.begin() + static_cast<std::ptrdiff_t>(n), keyed.end(),
                          [](const auto& a, const auto& b) { return a.first > b.first; });
        keyed.resize(n);
        list.clear();
        for (auto& entry : keyed)
            list.push_back(std::move(entry.second));
        // The draw's order is the order of strength; the list takes them in a shuffled order as before.
        ShuffleList(list, m_seeder);
    } else {
        ShuffleList(list, m_seeder);
        if (list.size() > n)
            list.resize(n);
    }
    for (std::string& character : list)
        m_candidates.add(std::move(character));
    for (std::string& character : numerology::SplitCharacters(m_request.surname))
        m_candidates.add(std::move(character));
}

RunOutcome NamingRun::runHighScore()
{
    prepareHighScoreCandidates();
    if (!formCandidateNames())
        return RunOutcome::Stopped;

    ListingLimits limits;
    if (m_request.givenLength != 2) {
        limits.threshold = 0;
    } else if (m_request.generation.fixesSecond() || m_request.generation.fixesThird()) {
        message(core::MessageIcon::Warning, kGenerationMessage);
        limits.threshold = 0;
    }
    return listFormedNames(std::move(limits));
}

bool NamingRun::formCandidateNames()
{
    if (m_request.givenLength != 2)
        message(core::MessageIcon::Information, kOneCharacterMessage);
    m_formed = FormNames(m_store, m_candidates, m_request.givenLength, m_request.generation, m_control,
                         [this](size_t done, size_t total) { progress(done, total); });
    return !m_control.stopped();
}

RunOutcome NamingRun::listFormedNames(ListingLimits limits)
{
    limits.keeps = keepsRow();
    const numerology::FortuneTables fortunes(m_store);
    m_rows = ListScoredNames(
        m_candidates, m_formed, m_request.surname, limits, fortunes, m_control,
        [this](std::span<NameRow> batch) { deliverRows(batch); }, {}, &m_stats, m_request.avoid);
    return finishList();
}

RunOutcome NamingRun::finishList()
{
    if (m_control.stopped())
        return RunOutcome::Stopped;
    std::erase_if(m_rows, [this](const NameRow& row) { return hides(row); });
    FinishNameList(m_rows, m_request.surname.size());
    m_observer.listFinished(m_rows);
    return RunOutcome::Finished;
}

} // namespace naming
