#pragma once
// UTF-8 to UTF-16 conversion for the names the plugin hands out (the sound server speaks UTF-8,
// callers expect UTF-16). Malformed input (stray continuation bytes, truncated or overlong
// sequences, surrogates, code points above U+10FFFF) becomes U+FFFD per bad sequence, so a
// broken name from the server still gives a printable, NUL-safe string.

#include <string>
#include <string_view>

namespace olmet {

std::u16string utf8ToUtf16(std::string_view utf8);

}  // namespace olmet
