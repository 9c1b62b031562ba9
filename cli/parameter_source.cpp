#include "cli/parameter_source.h"

#include "cli/trouble.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace quorrel::cli {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Appends all bytes of `file`, the first `expected` of them read straight
// into `bytes` in one call; false after a read error, with errno set.
bool readAll(std::FILE* file, std::string& bytes, std::size_t expected = 0)
{
    const std::size_t start = bytes.size();
    bytes.resize(start + expected);
    bytes.resize(start + std::fread(bytes.data() + start, 1, expected, file));
    char buffer[1 << 16];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    return !std::ferror(file);
}

void dropFinalLineEnding(std::string& bytes)
{
    if (bytes.ends_with("\r\n"))
        bytes.resize(bytes.size() - 2);
    else if (bytes.ends_with('\n'))
        bytes.pop_back();
}

std::string readSource(const std::string& argument, std::string_view side)
{
    std::string bytes;
    if (argument == "@-") {
        if (!readAll(stdin, bytes))
            throw Trouble("cannot read the " + std::string(side) + " from standard input: " +
                          std::strerror(errno));
        return bytes;
    }
    const std::string path = argument.substr(1);
    std::error_code sizeUnknown;
    const auto size = std::filesystem::file_size(path, sizeUnknown);
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file || !readAll(file.get(), bytes, sizeUnknown ? 0 : size))
        throw Trouble("cannot read the " + std::string(side) + " from '" + path + "': " +
                      std::strerror(errno));
    return bytes;
}

}  // namespace

std::string readParameterString(const std::string& argument, std::string_view side)
{
    std::string bytes = argument;
    if (argument.starts_with('@')) {
        bytes = readSource(argument, side);
        dropFinalLineEnding(bytes);
    }
    if (const std::size_t nul = bytes.find('\0'); nul != std::string::npos)
        throw Trouble("the " + std::string(side) + " holds a NUL byte at byte offset " + std::to_string(nul));
    return bytes;
}

}  // namespace quorrel::cli
