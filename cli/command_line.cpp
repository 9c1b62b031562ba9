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

Encoding encodingNamed(const std::string& name)
{
    if (name == "utf-8")
        return Encoding::Utf8;
    if (name == "gbk")
        return Encoding::Gbk;
    throw Trouble("unknown encoding '" + name + "'; use utf-8 or gbk");
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
    parser.addOptions({filterOption, encodingOption, formatOption, quietOption});
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
    options.encoding = encodingNamed(toArgumentBytes(parser.value(encodingOption)));
    options.format = formatNamed(toArgumentBytes(parser.value(formatOption)));
    options.quiet = parser.isSet(quietOption);
    return options;
}

}  // namespace quorrel::cli
