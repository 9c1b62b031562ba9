// The comparison a user would write in plain C++ without quorrel: read both
// parameter strings, put the first one's values in a hash map by exact name,
// and look up every item of the second. Exit status 0 when every item of the
// second is found with the same value, 1 otherwise, as the awk one-liner
// scripts/bench times. It is the floor quorrel-cli is measured against.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unordered_map>

namespace {

std::string fileBytes(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (bytes.ends_with('\n'))
        bytes.pop_back();
    return bytes;
}

// Calls `visit(name, value)` for each "&"-separated item of `text`.
template <typename Visit>
void forEachItem(std::string_view text, Visit visit)
{
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('&'), text.size());
        const std::string_view item = text.substr(0, end);
        const std::size_t equals = std::min(item.find('='), item.size());
        visit(item.substr(0, equals), item.substr(std::min(equals + 1, item.size())));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: hash_join FIRST SECOND\n");
        return 2;
    }
    const std::string first = fileBytes(argv[1]);
    const std::string second = fileBytes(argv[2]);
    std::unordered_map<std::string_view, std::string_view> values;
    forEachItem(first, [&](std::string_view name, std::string_view value) { values.emplace(name, value); });
    bool differs = false;
    forEachItem(second, [&](std::string_view name, std::string_view value) {
        const auto found = values.find(name);
        differs = differs || found == values.end() || found->second != value;
    });
    return differs ? 1 : 0;
}
