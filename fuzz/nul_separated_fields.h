// Cutting a fuzz input into texts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quorrel::fuzz {

// The first N texts of `data`, cut at NUL bytes, which no text holds:
//   "&" NUL "a=1" NUL "b=2" -> {"&", "a=1", "b=2"}
// Missing texts are empty; whatever follows the N-th NUL is ignored.
template <std::size_t N>
std::array<std::string_view, N> nulSeparatedFields(const std::uint8_t* data, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::array<std::string_view, N> fields{};
    for (std::string_view& field : fields) {
        const std::size_t nul = rest.find('\0');
        field = rest.substr(0, nul);
        rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
    }
    return fields;
}

}  // namespace quorrel::fuzz
