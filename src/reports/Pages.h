#pragma once

#include "store/NamingStore.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reports {

// The dictionary page of a character and the origin page of a surname, as UTF-8 HTML. The looked-up
// text is what the user typed (or a character of a typed name), so it is HTML-escaped; the texts of
// XW_CNWord and XW_百家姓 are inserted as they are. No row: every field empty, no "0".
std::string_view characterPageTemplate() noexcept;
std::string_view surnamePageTemplate() noexcept;
std::string characterPageHtml(const store::NamingStore& store, std::string_view character);
std::string surnamePageHtml(const store::NamingStore& store, std::string_view surname);
// The pages of several characters one under the other (a lookup of 晗彧), headed by the characters
// of the lookup that have no dictionary row (`missing`).
std::string charactersPageHtml(const store::NamingStore& store, const std::vector<std::string>& characters,
                               const std::vector<std::string>& missing);

// Writes the page of the i-th character of a name to data/temp<i>.html (i = 1..4). A failed write is
// not reported to the user; the return value tells the caller.
bool WriteCharacterPage(const store::NamingStore& store, const std::filesystem::path& programFolder,
                        std::string_view character, int page);

// Writes the surname page (the whole surname is one key) to data/temp5.html.
bool WriteSurnamePage(const store::NamingStore& store, const std::filesystem::path& programFolder,
                      std::string_view surname);

// The character query: the whole typed text (not split, not trimmed) is the key; its page goes to
// data/temp.html. Returns the result window's caption, " 汉字[ " + text + " ]的详细解释", or nothing
// when the page could not be written (the file may still hold an earlier query's page).
std::optional<std::string> QueryCharacter(const store::NamingStore& store,
                                          const std::filesystem::path& programFolder, std::string_view text);

// The query of several characters: the pages of those the dictionary holds (charactersPageHtml) go to
// data/temp.html; the caption as above.
std::optional<std::string> queryCharacters(const store::NamingStore& store,
                                           const std::filesystem::path& programFolder, std::string_view text,
                                           const std::vector<std::string>& characters,
                                           const std::vector<std::string>& missing);

} // namespace reports
