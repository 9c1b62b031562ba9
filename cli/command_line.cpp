#include "cli/command_line.h"

#include "cli/trouble.h"
#include "core/comparison.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

namespace quorrel::cli {
namespace {

// Arguments travel through the parser as Latin-1, which maps every byte to
// one character and back, so invalid UTF-8 and GBK bytes survive unchanged.
QString fromArgumentBytes(const char* bytes) { return QString::fromLatin1(bytes); }

std::string toArgumentBytes(const QString& text) { return text.toLatin1().toStdString(); }

// The encoding `name` names; `what` says in a trouble message what it was
// given for.
Encoding encodingNamed(const std::string& name, const std::string& what)
{
    if (name == "utf-8")
        return Encoding::Utf8;
    if (name == "gbk")
        return Encoding::Gbk;
    throw Trouble("unknown " + what + " '" + name + "'; use utf-8 or gbk");
}

Format formatNamed(const std::string& name)
{
    if (name == "table")
        return Format::Table;
    if (name == "tsv")
        return Format::Tsv;
    if (name == "json")
        return Format::Json;
    throw Trouble("unknown format '" + name + "'; use table, tsv or json");
}

}  // namespace

Options parseCommandLine(int argc, const char* const* argv)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Compares two parameter strings item by item and prints one row per parameter.\n"
        "Exit status: 0 when every row shows equal values, 1 when any differs, 2 on trouble.");
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QString filterDefault = QString::fromLatin1(defaultFilter);
    const QCommandLineOption filterOption(
        "filter", "The text that separates items (default \"" + filterDefault + "\").", "TEXT", filterDefault);
    const QCommandLineOption encodingOption("encoding", "utf-8 (default) or gbk.", "NAME", "utf-8");
    const QCommandLineOption formatOption("format", "table (default), tsv or json.", "NAME", "table");
    const QCommandLineOption quietOption("quiet", "Print nothing; only the exit status tells.");
    const QCommandLineOption decodeOption(
        "decode",
        "Show names and values percent-decoded (\"+\" is a space, \"%XX\" a byte) and read in CHARSET, "
        "utf-8 or gbk; values are equal when they decode to the same bytes. The pairing stays as without it.",
        "CHARSET");
    const QCommandLineOption ignoreOption(
        "ignore", "Leave out the rows whose shown name is exactly NAME, from the output and the exit status. "
                  "May be given more than once.",
        "NAME");
    const QCommandLineOption onlyDifferencesOption(
        "only-differences", "Print only the rows that do not show equal values; the exit status is the same.");
    const QCommandLineOption urlOption(
        "url", "Each input may be a whole URL or request target: what follows the first \"?\" and comes "
               "before any \"#\" is compared.");
    parser.addOptions({filterOption, encodingOption, formatOption, quietOption, decodeOption, ignoreOption,
                       onlyDifferencesOption, urlOption});
    parser.addPositionalArgument("FIRST", "The first parameter string, @FILE, or @- for standard input.");
    parser.addPositionalArgument("SECOND", "The second parameter string, @FILE, or @- for standard input.");

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(fromArgumentBytes(argv[i]));
    if (!parser.parse(arguments))
        throw Trouble(toArgumentBytes(parser.errorText()));

    Options options;
    if (parser.isSet(helpOption) || parser.isSet("help-all")) {
        options.helpText = parser.helpText().toStdString();
        return options;
    }
    if (parser.isSet(versionOption)) {
        options.helpText = (QCoreApplication::applicationName() + ' ' +
                            QCoreApplication::applicationVersion() + '\n').toStdString();
        return options;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        throw Trouble("expected two parameter strings, FIRST and SECOND, but got " +
                      std::to_string(positional.size()) + "; see --help");
    options.first = toArgumentBytes(positional[0]);
    options.second = toArgumentBytes(positional[1]);
    if (options.first == "@-" && options.second == "@-")
        throw Trouble("FIRST and SECOND both read standard input; at most one may");
    options.filter = toArgumentBytes(parser.value(filterOption));
    options.encoding = encodingNamed(toArgumentBytes(parser.value(encodingOption)), "encoding");
    options.format = formatNamed(toArgumentBytes(parser.value(formatOption)));
    options.quiet = parser.isSet(quietOption);
    if (parser.isSet(decodeOption))
        options.decode = encodingNamed(toArgumentBytes(parser.value(decodeOption)), "charset for --decode");
    for (const QString& name : parser.values(ignoreOption))
        options.ignoredNames.push_back(toArgumentBytes(name));
    options.onlyDifferences = parser.isSet(onlyDifferencesOption);
    options.url = parser.isSet(urlOption);
    return options;
}

}  // namespace quorrel::cli
