// An ordered list of texts that owns its texts.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace quorrel {

// Appending stores a copy of the text; the texts are kept one after another
// in one buffer, so a list of many short texts costs little more than their
// bytes. An empty text is stored like any other and reads back as "".
class TextList {
public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;

        const_iterator() = default;
        const_iterator(const TextList* list, std::size_t index) : list_(list), index_(index) {}
        std::string_view operator*() const { return (*list_)[index_]; }
        const_iterator& operator++()
        {
            ++index_;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator old = *this;
            ++index_;
            return old;
        }
        friend bool operator==(const_iterator a, const_iterator b) { return a.index_ == b.index_; }

    private:
        const TextList* list_ = nullptr;
        std::size_t index_ = 0;
    };

    using iterator = const_iterator;
    using value_type = std::string_view;

    TextList() = default;
    TextList(std::initializer_list<std::string_view> texts);

    [[nodiscard]] std::size_t size() const { return ends_.size(); }
    [[nodiscard]] bool empty() const { return ends_.empty(); }
    // The text at 0-based `index`, which must be below size().
    [[nodiscard]] std::string_view operator[](std::size_t index) const
    {
        const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
        return std::string_view(bytes_).substr(begin, ends_[index] - begin);
    }
    [[nodiscard]] const_iterator begin() const { return {this, 0}; }
    [[nodiscard]] const_iterator end() const { return {this, size()}; }

    void push_back(std::string_view text);
    // Appends the pieces joined as one text, as joinTexts would give it.
    void pushJoined(std::initializer_list<std::string_view> pieces);
    // Makes room for `count` more texts of `bytes` bytes in all.
    void reserve(std::size_t count, std::size_t bytes);
    // Releases every text; the list can be appended to at once.
    void clear();

    friend bool operator==(const TextList& a, const TextList& b)
    {
        return a.ends_ == b.ends_ && a.bytes_ == b.bytes_;
    }

private:
    std::string bytes_;
    std::vector<std::size_t> ends_;  // where each text ends in bytes_
};

}  // namespace quorrel
