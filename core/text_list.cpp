#include "core/text_list.h"

namespace quorrel {

TextList::TextList(std::initializer_list<std::string_view> texts)
{
    for (std::string_view text : texts)
        push_back(text);
}

void TextList::push_back(std::string_view text)
{
    bytes_.append(text);
    ends_.push_back(bytes_.size());
}

void TextList::pushJoined(std::initializer_list<std::string_view> pieces)
{
    for (std::string_view piece : pieces)
        bytes_.append(piece);
    ends_.push_back(bytes_.size());
}

void TextList::reserve(std::size_t count, std::size_t bytes)
{
    ends_.reserve(ends_.size() + count);
    bytes_.reserve(bytes_.size() + bytes);
}

void TextList::clear()
{
    std::string().swap(bytes_);
    std::vector<std::size_t>().swap(ends_);
}

}  // namespace quorrel
