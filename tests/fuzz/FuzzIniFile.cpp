// The settings reader: any file content parses, and what it read is written and read back the same.
#include "FuzzCheck.h"
#include "text/Gbk.h"
#include "text/IniFile.h"
#include "text/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    text::IniFile ini;
    if (!ini.parse(bytes))
        return 0;
    // The program's files always hold the section 设置, whose GBK bytes are no UTF-8: that is what
    // tells a written file from one an editor saved in UTF-8.
    ini.setValue("设置", "fuzz", "值");
    text::IniFile back;
    FUZZ_CHECK(back.parse(ini.serialize()));
    // The few characters GBK maps twice (private-use code points of the old tables beside the
    // ideographs given them later) come back as the ideograph: values are compared as the codec gives
    // them back, and a file whose section or key names hold such a character (two names may become one)
    // is not compared.
    const auto asWritten = [](std::string_view s) { return text::fromGbk(text::toGbk(s)); };
    bool comparable = true;
    for (const std::string& section : ini.sections()) {
        // Whatever the bytes, the text read is well-formed UTF-8.
        FUZZ_CHECK(text::validUtf8(section) == section);
        comparable = comparable && asWritten(section) == section;
        for (const std::string& key : ini.keys(section)) {
            FUZZ_CHECK(text::validUtf8(key) == key);
            FUZZ_CHECK(text::validUtf8(*ini.value(section, key)) == *ini.value(section, key));
            comparable = comparable && asWritten(key) == key;
        }
    }
    if (!comparable)
        return 0;
    // Sections and keys of well-formed names come back with their values.
    for (const std::string& section : ini.sections()) {
        if (section.find_first_of("[]\r\n") != std::string::npos)
            continue;
        for (const std::string& key : ini.keys(section)) {
            if (key.empty() || key.find_first_of("=;[\r\n \t") != std::string::npos)
                continue;
            FUZZ_CHECK(back.value(section, key) == asWritten(*ini.value(section, key)));
        }
    }
    return 0;
}
