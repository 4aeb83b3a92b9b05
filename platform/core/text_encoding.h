#pragma once
// The programs keep text as 8-bit Windows-1252 bytes, as their files hold it;
// only the boundary to the toolkit speaks UTF-8.
#include <string>
#include <string_view>

namespace platform {

std::string cp1252ToUtf8(std::string_view text);
// Characters Windows-1252 cannot hold become '?'; malformed UTF-8 bytes likewise.
std::string utf8ToCp1252(std::string_view text);
// Whether text is well-formed UTF-8 (plain ASCII is).
bool isUtf8(std::string_view text);

}  // namespace platform
