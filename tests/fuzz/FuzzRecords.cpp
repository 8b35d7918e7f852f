// The naming records: any stored value restores, and restored records save and restore unchanged.
#include "FuzzCheck.h"
#include "app/NamingRecords.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view value(reinterpret_cast<const char*>(data), size);
    const std::vector<reports::ListCells> records = app::RestoreNamingRecords(value);
    const std::string saved = app::SaveNamingRecords(records);
    const std::vector<reports::ListCells> again = app::RestoreNamingRecords(saved);
    // A record whose name text holds a lone CR or LF next to the line break cannot be told apart.
    bool plain = true;
    for (const reports::ListCells& row : records)
        for (const std::string& cell : row)
            plain = plain && cell.find_first_of("\r\n") == std::string::npos;
    if (plain)
        FUZZ_CHECK(again == records);
    FUZZ_CHECK(again.size() == records.size());
    return 0;
}
