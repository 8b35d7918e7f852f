// SplitCharacters: any text splits into pieces that put together give the text (blanks dropped).
#include "FuzzCheck.h"
#include "numerology/SplitCharacters.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::size_t total = 0;
    for (const std::string& piece : numerology::SplitCharacters(bytes)) {
        FUZZ_CHECK(!piece.empty());
        total += piece.size();
    }
    FUZZ_CHECK(total <= bytes.size() * 4 + 4);
    numerology::SplitGbkCharacters(bytes);
    return 0;
}
