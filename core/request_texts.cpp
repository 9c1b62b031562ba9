#include "core/request_texts.h"

namespace quorrel {
namespace {

// The value of the hexadecimal digit `c`, or -1.
int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::string percentDecoded(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            decoded += ' ';
            continue;
        }
        if (c == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 && hexDigit(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
            continue;
        }
        decoded += c;
    }
    return decoded;
}

std::string_view urlQuery(std::string_view url)
{
    url = url.substr(0, url.find('#'));
    const std::size_t question = url.find('?');
    return question == std::string_view::npos ? url : url.substr(question + 1);
}

}  // namespace quorrel
