#pragma once

#include "store/NamingStore.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace numerology {

// Where the scorer gets its fortune words: straight from the store, or remembered for one run.
class FortuneSource
{
public:
    virtual ~FortuneSource() = default;
    virtual std::string gridFortune(int number) = 0;
    virtual std::string threeTalentFortune(std::string_view key) = 0;
};

class StoreFortunes : public FortuneSource
{
public:
    explicit StoreFortunes(const store::NamingStore& store) : m_store(store) {}
    std::string gridFortune(int number) override;
    std::string threeTalentFortune(std::string_view key) override;

private:
    const store::NamingStore& m_store;
};

// Remembers every word it read, for the length of one naming run: a run scores millions of names
// over a few hundred distinct numbers and at most 125 configurations.
class CachedFortunes : public FortuneSource
{
public:
    explicit CachedFortunes(const store::NamingStore& store) : m_store(store) {}
    std::string gridFortune(int number) override;
    std::string threeTalentFortune(std::string_view key) override;

private:
    bool settled(const std::string& word) const;

    const store::NamingStore& m_store;
    std::vector<std::optional<std::string>> m_numbers;
    std::unordered_map<std::string, std::string> m_keys;
};

} // namespace numerology
