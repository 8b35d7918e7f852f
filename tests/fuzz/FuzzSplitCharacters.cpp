// SplitCharacters: any text splits into non-empty pieces, at most one per byte of its GBK form.
#include "FuzzCheck.h"
#include "numerology/SplitCharacters.h"
#include "text/Gbk.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> pieces = numerology::SplitCharacters(bytes);
    for (const std::string& piece : pieces)
        FUZZ_CHECK(!piece.empty() && piece.size() <= 8); // a pair of bytes gives two characters at most
    FUZZ_CHECK(pieces.size() <= text::toGbk(bytes).size());
    numerology::splitGbkCharacters(bytes);
    return 0;
}
