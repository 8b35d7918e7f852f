#include "text/Files.h"

#include <fstream>
#include <sstream>
#include <system_error>

namespace text {

bool writeFileReplacing(const std::filesystem::path& file, std::string_view bytes)
{
    std::error_code ec;
    std::filesystem::path partial = file;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(partial, ec);
            return false;
        }
    }
    std::filesystem::rename(partial, file, ec);
    if (ec) {
        std::filesystem::remove(partial, ec);
        return false;
    }
    return true;
}

bool readWholeFile(const std::filesystem::path& file, std::string& bytes)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    bytes = buffer.str();
    return true;
}

} // namespace text
