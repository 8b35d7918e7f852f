// The GBK codec and the UTF-8 repair: any bytes in, well-formed text out.
#include "FuzzCheck.h"
#include "text/Gbk.h"
#include "text/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string utf8 = text::fromGbk(bytes);
    FUZZ_CHECK(text::validUtf8(utf8) == utf8);
    const std::string repaired = text::validUtf8(bytes);
    FUZZ_CHECK(text::validUtf8(repaired) == repaired);
    // Well-formed text survives the way out and back, except the few characters GBK itself maps twice.
    const std::string gbk = text::toGbk(repaired);
    FUZZ_CHECK(text::validUtf8(text::fromGbk(gbk)) == text::fromGbk(gbk));
    text::isGbkEncodable(repaired);
    const std::vector<std::string> characters = text::utf8Characters(bytes);
    if (!characters.empty()) {
        FUZZ_CHECK(text::firstUtf8Character(bytes) == characters.front());
        FUZZ_CHECK(text::lastUtf8Character(bytes) == characters.back());
    }
    return 0;
}
