// The command line of quorrel-cli: quorrel-cli [options] FIRST SECOND.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorrel::cli {

enum class Encoding { Utf8, Gbk };
enum class Format { Table, Tsv, Json };

struct Options {
    std::string first;   // FIRST as given: the string itself, "@path" or "@-"
    std::string second;  // SECOND, likewise
    std::string filter;  // defaultFilter unless given
    Encoding encoding = Encoding::Utf8;
    Format format = Format::Table;
    bool quiet = false;
    // With --decode: names and values are shown percent-decoded and read in
    // this charset, and compared as decoded bytes.
    std::optional<Encoding> decode;
    // Names whose rows are left out of the output and the exit status.
    std::vector<std::string> ignoredNames;
    bool onlyDifferences = false;
    // Each input may be a whole URL or request target.
    bool url = false;
    // Not empty after --help or --version: the text to print instead of comparing.
    std::string helpText;
};

// Reads the options and the two arguments. Arguments keep their bytes
// exactly, whatever the locale; "--" ends the options, so a string that
// begins with "-" can follow it. --ignore may be given any number of times.
// Throws Trouble for an unknown option, a missing or unknown option value,
// other than two arguments, or both arguments reading standard input.
[[nodiscard]] Options parseCommandLine(int argc, const char* const* argv);

}  // namespace quorrel::cli
