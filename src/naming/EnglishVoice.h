#pragma once

#include "text/Files.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace naming {

// The pronunciation of an English name: the recording an online dictionary page links to, or the
// offline voice.

// Percent-encodes every byte but the unreserved ones (A-Z a-z 0-9 - . _ ~), so "D'Arcy" or a name with
// a space is one query value.
std::string percentEncode(std::string_view text);

// The dictionary's search page for a name: the endpoint (scheme and host, a trailing "/" dropped)
// followed by "/s?wd=" and the encoded name.
std::string dictionarySearchUrl(std::string_view endpoint, std::string_view name);

// The sound link of a dictionary page: the text after the first `<a href="#" url="` up to the next such
// marker, cut before its first ".mp3", with ".mp3" appended. Empty when the page holds no marker, or
// when no ".mp3" ends the attribute the marker opens (then there is nothing playable to cut out).
std::string extractSoundLink(std::string_view page);

// Makes a link from a page absolute against the endpoint: "//host/x.mp3" takes the endpoint's scheme,
// "/x.mp3" its scheme and host. Empty when the result is not an http or https address.
std::string resolveSoundLink(std::string_view link, std::string_view endpoint);

// Speaks `name` in English with espeak-ng: the bytes of a WAV file. The name goes to the program
// through a text file, never through a shell or the argument list, so any text is spoken as text; that
// file and the program's output live in a private temporary folder, removed afterwards. Nothing when
// the name is blank or the program is missing or fails.
std::optional<std::string> offlineVoice(std::string_view name);

// offlineVoice written to `wavFile` (its folder made when missing) by the rule of every written file
// (text::writeOutput): a device or FIFO receives the bytes as a stream, a regular file is replaced
// safely. The error names the file and the reason.
text::WriteResult writeOfflineVoice(std::string_view name, const std::filesystem::path& wavFile);

} // namespace naming
