#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace store {
class NamingStore;
}

namespace naming {

// What makes a given name name-like, strongest first: a name real people bear, a pair of characters
// side by side in a classical text, characters each common at their place, nothing.
enum class NameSupport : std::uint8_t
{
    None = 0,
    CommonCharacters = 1,
    Classical = 2,
    RealName = 3,
};

// "real-name", "classical", "common-characters", "none" (score --json).
std::string_view supportKey(NameSupport support);
// The words a report and a status bar use: "真实人名", "古典出处", "常见名字用字", "无".
std::string_view supportCaption(NameSupport support);

// The support of one given name and what stands behind it.
struct Support
{
    NameSupport kind = NameSupport::None;
    // RealName: the real full names that bear it; Classical: the lines of verse that hold the pair;
    // CommonCharacters: the real given names that use the rarer of its characters at its place.
    int count = 0;
};

// How name-like a given name is, from the names real people bear (XW_名字品鉴): how many real full
// names bear a two-character given name and which sex they are given to, how many real given names
// have a character first or last, which pairs stand side by side in the Tang poems, and which way each
// character leans (boys' or girls' names). Among names of one score a list shows the better supported
// first; a name that leans clearly to the other sex than the child's has no support.
class NameLikeness
{
public:
    // Different real given names a character must start (or end) to count as common at that place:
    // high enough that a character of a few old names (举 of 鹏举) is not common.
    static constexpr int kCommonAtPlace = 50;
    // Real full names that must bear a given name for it to count as real: one or two entries of
    // the dictionary are too often a piece of running text (老总, 国之政); a classic list name is
    // real of itself (it counts two).
    static constexpr int kRealNameWitnesses = 3;
    // Lines of verse that must hold a pair side by side for it to count as classical, and real given
    // names that must use each of its characters at its place: verse pairs of characters names seldom
    // use there (身在, 言如) read as verse, not as names.
    static constexpr int kClassicalLines = 3;
    static constexpr int kClassicalAtPlace = kCommonAtPlace;
    // Names of the sex's classic list that must use a character at its place for a name without a
    // real bearer: the hand-edited lists say which characters suit a girl's name first (大 and 上
    // start many real names, none of a girl's list).
    static constexpr int kClassicListAtPlace = 2;
    // How far (in hundredths) the leans of a name's characters must add up to one sex for the name to
    // be that sex's; between the two it suits both.
    static constexpr int kSexMargin = 80;
    // A character leaning this far (hundredths) to one sex keeps a name from the other sex.
    static constexpr int kCharacterVeto = 250;
    // A name without a real bearer has no sex of its own to go by: none of its characters may lean
    // this far (hundredths) to the other sex (军 in a girl's name, 静 in a boy's).
    static constexpr int kUnattestedVeto = 60;

    // The counts of the database; a database without them gives those of the classic lists.
    static NameLikeness load(const store::NamingStore& store);
    // The classic lists of both sexes: each two-character name is a real name of its list's sex, and
    // the characters lean as the lists use them.
    static NameLikeness fromClassicLists();

    // sex: "男", "女", or empty when both.
    void addName(std::string_view given, int count, std::string_view sex = {});
    void addPlace(std::string_view character, bool first, int count);
    // How many names of the boys' and the girls' classic lists have the character at that place.
    void addClassicPlace(std::string_view character, bool first, int boys, int girls);
    void addClassicalPair(std::string_view pair, int lines);
    // lean: positive toward boys' names, negative toward girls', in hundredths.
    void setLean(std::string_view character, int lean);
    // A name of the classic lists (sex: its list's, empty when both): the surest real names.
    void addClassicName(std::string_view given, std::string_view sex);
    // A word that is no given name (a title, a slogan, an everyday word): never supported.
    void refuse(std::string_view given);
    bool empty() const { return m_names.empty(); }

    int realNames(std::string_view given) const;
    // A name of the classic lists, or one at least kRealNameWitnesses real full names bear.
    bool isRealName(std::string_view given) const;
    // How many different real given names hold the character, first or last.
    int namesUsing(std::string_view character) const;
    int classicalLines(std::string_view pair) const;
    // Whether a given name suits a child of `sex` ("男" or "女"; anything else: every name suits).
    bool suitsSex(std::string_view given, std::string_view sex) const;
    // Whether the character is used by real names given to `sex`: it leans no further than the veto
    // to the other sex.
    bool characterSuitsSex(std::string_view character, std::string_view sex) const;

    // The support of a given name for a child of `sex` (empty: either sex). A name that does not suit
    // the sex has none; a one-character name is CommonCharacters when its character is common at
    // either place.
    Support support(std::string_view given, std::string_view sex = {}) const;
    // How fresh a name reads, in hundredths: for each character, the log of how often the hand-edited
    // classic lists use it at its place against how many real given names do. The real names are
    // mostly the news names of a generation ago (红 华 军 生 start and end thousands of them), the
    // lists the names parents choose today (涵 睿 梓), so a name of fresh characters reads as today's.
    int freshness(std::string_view given) const;
    // The order key of a list (NameRow::fit): higher is better; 0 is no support. Real names before
    // pairs of verse before common characters; within each, fresher names first (four steps), and
    // within a step the stronger witnesses: a name of the classic lists, a pair of many lines,
    // characters many names use.
    std::uint8_t fit(std::string_view given, std::string_view sex = {}) const;

private:
    struct Hash
    {
        using is_transparent = void;
        size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
    };
    using Counts = std::unordered_map<std::string, int, Hash, std::equal_to<>>;
    static int countOf(const Counts& counts, std::string_view key);
    // The sum of the characters' leans, and the strongest lean either way.
    struct Lean
    {
        int sum = 0;
        int most = 0;  // toward boys
        int least = 0; // toward girls
    };
    Lean leanOf(std::string_view given) const;
    // Added to a character's real names before the ratio: a character few real names use is not
    // fresh on the strength of one list entry.
    static constexpr double kFreshnessDamping = 5.0;
    int freshness(std::string_view character, bool first) const;
    // Whether the classic lists of `sex` (both when empty) use the character at that place often enough.
    bool classicAtPlace(std::string_view character, bool first, std::string_view sex) const;

    Counts m_names;
    Counts m_nameSex; // +1 boys, -1 girls, absent: both
    Counts m_first;
    Counts m_last;
    Counts m_pairs;
    Counts m_lean;
    Counts m_classic; // +1 boys, -1 girls, 0 both
    Counts m_refused;
    std::array<Counts, 2> m_classicFirst; // boys, girls
    std::array<Counts, 2> m_classicLast;
};

} // namespace naming
