#include "calendar/ChartTables.h"

#include "calendar/CycleNames.h"

#include <array>
#include <cstddef>

namespace calendar {
namespace {

// clang-format off
// By stem 甲 to 癸 and by branch 子 to 亥.
constexpr std::array<std::string_view, 10> kStemElements = {"木", "木", "火", "火", "土", "土", "金", "金", "水", "水"};
constexpr std::array<std::string_view, 12> kBranchElements = {"水", "土", "木", "木", "土", "火", "火", "土", "金", "金", "土", "水"};

// One name for each two consecutive sixty-cycle indexes.
constexpr std::array<std::string_view, 30> kNayin = {
    "海中金", // 1-2 甲子 乙丑
    "炉中火", // 3-4 丙寅 丁卯
    "大林木", // 5-6 戊辰 己巳
    "路旁土", // 7-8 庚午 辛未
    "剑锋金", // 9-10 壬申 癸酉
    "山头火", // 11-12 甲戌 乙亥
    "涧下水", // 13-14 丙子 丁丑
    "城头土", // 15-16 戊寅 己卯
    "白蜡金", // 17-18 庚辰 辛巳
    "杨柳木", // 19-20 壬午 癸未
    "泉中水", // 21-22 甲申 乙酉
    "屋上土", // 23-24 丙戌 丁亥
    "霹雳火", // 25-26 戊子 己丑
    "松柏木", // 27-28 庚寅 辛卯
    "长流水", // 29-30 壬辰 癸巳
    "砂石金", // 31-32 甲午 乙未
    "山下火", // 33-34 丙申 丁酉
    "平地木", // 35-36 戊戌 己亥
    "壁上土", // 37-38 庚子 辛丑
    "金箔金", // 39-40 壬寅 癸卯
    "灯头火", // 41-42 甲辰 乙巳
    "天河水", // 43-44 丙午 丁未
    "大驿土", // 45-46 戊申 己酉
    "钗钏金", // 47-48 庚戌 辛亥
    "桑柘木", // 49-50 壬子 癸丑
    "大溪水", // 51-52 甲寅 乙卯
    "沙中土", // 53-54 丙辰 丁巳
    "天上火", // 55-56 戊午 己未
    "石榴木", // 57-58 庚申 辛酉
    "大海水", // 59-60 壬戌 癸亥
};

// By branch 子 to 亥. The texts of 蛇 and 马 end with a blank, as they always have.
constexpr std::array<std::string_view, 12> kZodiacAdvice = {
    // 鼠
    "生肖属相：鼠。\r\n\r\n"
    "鼠年出生的人取名偏旁部首：\r\n\r\n"
    "宜：宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅等部首为吉。\r\n\r\n"
    "忌：山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车等部首。",
    // 牛
    "生肖属相：牛。\r\n\r\n"
    "牛年出生的人取名偏旁部首：\r\n\r\n"
    "宜：水、艹、豆、米、金、玉、宀、人、木、氵、钅等部首为吉。\r\n\r\n"
    "忌：月、火、田、车、马、石、血、纟、刀、几等部首。",
    // 虎
    "生肖属相：虎。\r\n\r\n"
    "虎年出生的人取名偏旁部首：\r\n\r\n"
    "宜：山、玉、金、木、示、水、月、犭、马、氵、钅等部首为吉。\r\n\r\n"
    "忌：日、火、田、口、几、纟、石、刀、血、弓、父、足等部首。",
    // 兔
    "生肖属相：兔。\r\n\r\n"
    "兔年出生的人取名偏旁部首：\r\n\r\n"
    "宜：月、艹、山、田、人、禾、木、宀、金、白、玉、豆、钅等部首为吉。\r\n\r\n"
    "忌：马、车、石、刀、力、皮、水、川等部首。",
    // 龙
    "生肖属相：龙。\r\n\r\n"
    "龙年出生的人取名偏旁部首：\r\n\r\n"
    "宜：水、金、玉、白、赤、月、鱼、酉、人、氵、钅等部首为吉。\r\n\r\n"
    "忌：土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火等部首。",
    // 蛇
    "生肖属相：蛇。\r\n\r\n"
    "蛇年出生的人取名偏旁部首：\r\n\r\n"
    "宜：艹、虫、豆、鱼、酉、木、田、山、金、玉、月、土、钅等部首为吉。\r\n\r\n"
    "忌：小、石、刀、血、弓、火、人、犭、父、纟等部首。 ",
    // 马
    "生肖属相：马。\r\n\r\n"
    "马年出生的人取名偏旁部首：\r\n\r\n"
    "宜：艹、金、玉、木、禾、虫、米、人、月、土、才、钅等部首为吉。\r\n\r\n"
    "忌：田、日、火、水、车、石、力、刀、酉、马等部首。 ",
    // 羊
    "生肖属相：羊。\r\n\r\n"
    "羊年出生的人取名偏旁部首：\r\n\r\n"
    "宜：金、白、玉、月、田、豆、米、马、禾、木、人、艹、鱼等部首为吉。\r\n\r\n"
    "忌：小、犭、纟、车、山、水、日、火等部首。",
    // 猴
    "生肖属相：猴。\r\n\r\n"
    "猴年出生的人取名偏旁部首：\r\n\r\n"
    "宜：木、禾、金、玉、豆、米、田、山、月、水、人、氵等部首为吉。\r\n\r\n"
    "忌：火、石、口、冖、纟、刀、力、皮、犭等部首。",
    // 鸡
    "生肖属相：鸡。\r\n\r\n"
    "鸡年出生的人取名偏旁部首：\r\n\r\n"
    "宜：米、豆、虫、木、禾、玉、月、宀、山、艹、金、钅等部首为吉。\r\n\r\n"
    "忌：石、犭、刀、力、日、酉、血、弓、才、乡、车、马等部首。",
    // 狗
    "生肖属相：狗。\r\n\r\n"
    "狗年出生的人取名偏旁部首：\r\n\r\n"
    "宜：鱼、豆、米、宀、马、金、玉、艹、田、木、月、禾、水、人、氵、钅等部首为吉。\r\n\r\n"
    "忌：火、石、纟、山、才、日、酉、车、刀、父、言等部首。",
    // 猪
    "生肖属相：猪。\r\n\r\n"
    "猪年出生的人取名偏旁部首：\r\n\r\n"
    "宜：豆、米、鱼、水、金、玉、月、木、人、山、土、艹、氵等部首为吉。\r\n\r\n"
    "忌：纟、石、刀、力、血、弓、几、皮、父等部首。",
};
// clang-format on

template <std::size_t N>
std::string_view entryAt(const std::array<std::string_view, N>& table, int number) noexcept
{
    if (number < 1 || static_cast<std::size_t>(number) > N)
        return {};
    return table[static_cast<std::size_t>(number - 1)];
}

} // namespace

std::string_view stemElement(int stem) noexcept
{
    return entryAt(kStemElements, stem);
}

std::string_view branchElement(int branch) noexcept
{
    return entryAt(kBranchElements, branch);
}

std::string elementPair(int n)
{
    const StemBranch pillar = StemBranchOf(n);
    if (pillar.stem == 0)
        return {};
    std::string pair(stemElement(pillar.stem));
    pair += ",";
    pair += branchElement(pillar.branch);
    pair += ",";
    return pair;
}

std::string_view nayinName(int n) noexcept
{
    if (n < 1 || n > 60)
        return {};
    return kNayin[static_cast<std::size_t>((n - 1) / 2)];
}

std::string_view zodiacAdvice(int branch) noexcept
{
    return entryAt(kZodiacAdvice, branch);
}

} // namespace calendar
