// quorrel-cli: compares two parameter strings as the window does, for
// scripts and CI jobs. Exit status 0: every row equal; 1: a row differs or
// is empty; 2: trouble, reported in one line on standard error.
#include "cli/command_line.h"
#include "cli/parameter_source.h"
#include "cli/row_formats.h"
#include "cli/row_states.h"
#include "cli/text_encoding.h"
#include "cli/trouble.h"
#include "core/collected_rows.h"
#include "core/comparison.h"
#include "core/request_texts.h"
#include "gb18030/percent_decoded_cell.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

namespace {

using namespace quorrel;
using namespace quorrel::cli;

void writeStandardOutput(const std::string& bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        throw Trouble(std::string("cannot write the output: ") + std::strerror(errno));
}

// The parameter string of one side as the core's bytes; with --url, the
// query of the URL it holds.
std::string parameterString(const std::string& argument, const Options& options, std::string_view side)
{
    std::string input = readParameterString(argument, side);
    return toCoreText(options.url ? std::string(urlQuery(input)) : std::move(input), options.encoding, side);
}

// What --decode, --ignore and --only-differences make of the rows.
ShownRowOptions shownRowOptions(const Options& options)
{
    ShownRowOptions shown;
    if (options.decode) {
        const Charset charset = *options.decode == Encoding::Utf8 ? Charset::Utf8 : Charset::Gb18030;
        shown.decodeCell = [charset](std::string_view cell) { return percentDecodedCell(cell, charset); };
    }
    for (const std::string& name : options.ignoredNames)
        shown.ignoredNames.push_back(toCoreText(name, options.encoding, "name to ignore"));
    shown.onlyDifferences = options.onlyDifferences;
    return shown;
}

// Compares the two inputs at the filter text, as the core's bytes, and
// writes the rows to `table`.
void compare(const Options& options, RowWriter& table)
{
    const std::string first = parameterString(options.first, options, "first input");
    const std::string second = parameterString(options.second, options, "second input");
    const std::string filter = toCoreText(options.filter, options.encoding, "filter text");
    ParseLists lists;
    compareParameters(lists, first, second, filter, table, shownRowOptions(options));
}

std::string formatted(const std::vector<ResultRow>& rows, const Options& options)
{
    switch (options.format) {
    case Format::Table:
        return formatTable(rows, options.encoding);
    case Format::Tsv:
        return formatTsv(rows, options.encoding);
    case Format::Json:
        return formatJson(rows);
    }
    return {};
}

int run(int argc, const char* const* argv)
{
    const Options options = parseCommandLine(argc, argv);
    if (!options.helpText.empty()) {
        writeStandardOutput(options.helpText);
        return 0;
    }
    if (options.quiet) {
        RowStates states;
        compare(options, states);
        return states.allEqual() ? 0 : 1;
    }
    CollectedRows table;
    compare(options, table);
    writeStandardOutput(formatted(table.rows, options));
    const bool allEqual = std::all_of(table.rows.begin(), table.rows.end(),
                                      [](const ResultRow& row) { return isEqualState(row[stateColumn]); });
    return allEqual ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName("quorrel-cli");
    QCoreApplication::setApplicationVersion(QUORREL_VERSION);
    try {
        return run(argc, argv);
    } catch (const Trouble& trouble) {
        std::fprintf(stderr, "quorrel-cli: %s\n", trouble.what());
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "quorrel-cli: out of memory\n");
    }
    return 2;
}
