#pragma once

#include "core/Message.h"
#include "naming/EnglishNames.h"
#include "naming/NameForming.h"
#include "naming/NameLikeness.h"
#include "naming/NamingRequest.h"
#include "naming/RunControl.h"
#include "naming/Shuffle.h"
#include "quality/NameChecker.h"

#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace naming {

inline constexpr const char* kOneCharacterMessage = "一字名数理得分较低,所以软件自动降低评分标准!";
inline constexpr const char* kGenerationMessage = "设定辈份后,产生的名字较少,所以系统将显示全部名字";

enum class RunOutcome
{
    Finished,
    Stopped,
    NoSurname,
};

// What a run tells the window, called on the worker thread. The window decides what each event does
// to its controls; the run itself never touches them.
class RunObserver
{
public:
    virtual ~RunObserver() = default;
    virtual void showMessage(const core::Message& /*message*/) {}
    virtual void runStarted() {}                                // show the waiting window
    virtual void progress(size_t /*done*/, size_t /*total*/) {} // candidates looked up so far
    virtual void rowsWritten(std::span<const NameRow> /*rows*/) {}
    virtual void listFinished(const std::vector<NameRow>& /*rows*/) {} // sorted and renumbered
    virtual void textWritten(const std::string& /*text*/) {}           // the classic names, whole
    virtual void englishNamesListed(const std::vector<EnglishNameRow>& /*rows*/) {}
    virtual void runEnded(RunOutcome /*outcome*/) {}
};

// One naming run: candidate preparation, name forming and listing for the mode of the request. The
// run owns its candidates, their records and the formed names; only one run goes at a time.
class NamingRun
{
public:
    // `checker` marks the rows (a warning, a rare character); without one the run reads its own.
    NamingRun(const store::NamingStore& store, NamingRequest request, RunObserver& observer,
              RunControl& control, const quality::NameChecker* checker = nullptr);

    RunOutcome run();

    const Candidates& candidates() const { return m_candidates; }
    const FormedNames& formedNames() const { return m_formed; }
    const std::vector<NameRow>& rows() const { return m_rows; }
    // How many names the listing looked at and scored (names holding the surname are not scored).
    const ListingStats& listingStats() const { return m_stats; }
    const std::string& text() const { return m_text; }
    // With 只列常见名字 (NamingRequest::commonOnly): how many listed names were left out for want of
    // support (names the filter of marked names left out already are not counted).
    size_t unsupportedLeftOut() const { return m_unsupportedLeftOut; }

private:
    RunOutcome runHighScore();
    RunOutcome runPoem(); // PoemNames.cpp
    // The two-character names of a poem run from the usable ticked characters (PoemNames.cpp).
    std::vector<FormedName> poemPairs(const std::vector<std::string>& ticked) const;
    void prepareHighScoreCandidates();
    RunOutcome runSuperAuspicious(); // SuperAuspicious.cpp
    RunOutcome runClassic();         // ClassicNames.cpp
    RunOutcome runCombination();     // CombinationNames.cpp
    RunOutcome runNickname();        // Nicknames.cpp
    // FormNames over the candidates, after the one-character message; false when stopped meanwhile.
    bool formCandidateNames();
    // Scores and lists the formed names, then sorts the list and hands it to the observer.
    RunOutcome listFormedNames(ListingLimits limits);
    // Sorts and renumbers the written rows and hands them to the observer, unless the run was stopped.
    RunOutcome finishList();
    void progress(size_t done, size_t total) { m_observer.progress(done, total); }
    // Marks a batch of new rows and hands the rows the list shows to the observer.
    void deliverRows(std::span<NameRow> batch);
    // Whether 只列常见名字 applies to the mode, and whether a marked and fitted row is left out.
    bool filtersUnsupported() const;
    bool hides(const NameRow& row) const;
    static bool filteredMark(const NameRow& row);
    // ListingLimits::keeps for the request's filters (none when nothing is filtered).
    std::function<bool(const NameRow&)> keepsRow() const;
    void message(core::MessageIcon icon, const char* text);

    const store::NamingStore& m_store;
    NamingRequest m_request;
    RunObserver& m_observer;
    RunControl& m_control;
    ShuffleSeeder m_seeder;
    Candidates m_candidates;
    FormedNames m_formed;
    std::vector<NameRow> m_rows;
    ListingStats m_stats;
    size_t m_unsupportedLeftOut = 0;
    std::string m_text; // the classic mode's text
    std::unique_ptr<quality::NameChecker> m_ownChecker;
    const quality::NameChecker* m_checker = nullptr;
    NameLikeness m_likeness; // orders equal scores: real names first
};

// The characters of the built-in list for the sex ("男": boys', else girls').
std::vector<std::string> characterListFor(const std::string& sex);

} // namespace naming
