#include "numerology/FortuneSource.h"

#include "numerology/FiveGrids.h"

namespace numerology {

std::string StoreFortunes::gridFortune(int number)
{
    return GridFortune(m_store, number);
}

std::string StoreFortunes::threeTalentFortune(std::string_view key)
{
    return ThreeTalentFortune(m_store, key);
}

// An empty word read while the start-up load is still copying may yet change; keep only final answers.
bool CachedFortunes::settled(const std::string& word) const
{
    return !word.empty() || m_store.loadState() == store::LoadState::Ready;
}

std::string CachedFortunes::gridFortune(int number)
{
    if (number < 0 || number > 4096)
        return GridFortune(m_store, number);
    const auto index = static_cast<size_t>(number);
    if (index >= m_numbers.size())
        m_numbers.resize(index + 1);
    if (m_numbers[index])
        return *m_numbers[index];
    std::string word = GridFortune(m_store, number);
    if (settled(word))
        m_numbers[index] = word;
    return word;
}

std::string CachedFortunes::threeTalentFortune(std::string_view key)
{
    const std::string k(key);
    if (const auto it = m_keys.find(k); it != m_keys.end())
        return it->second;
    std::string word = ThreeTalentFortune(m_store, key);
    if (settled(word))
        m_keys.emplace(k, word);
    return word;
}

} // namespace numerology
