#pragma once
#include <string>
#include <string_view>

namespace gears {

// Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined
// (0x81 0x8D 0x8F 0x90 0x9D) map to U+0081 and so on, so every byte round-trips.
std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252; a character the code page cannot encode (or a
// malformed UTF-8 sequence) becomes '?'.
std::string utf8ToCp1252(std::string_view utf8);

}  // namespace gears
