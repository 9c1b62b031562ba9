// Runs the real quorrel-cli executable and checks its exit status, its
// standard output and its standard error.
#include "tests/cli/cli_process.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Runs quorrel-cli through the shell, for arguments that must hold bytes
// that are not UTF-8; `shellArguments` is pasted after the program's name.
CliResult runCliInShell(const QString& shellArguments)
{
    QProcess process;
    process.start("/bin/sh", {"-c", "exec \"$0\" " + shellArguments, QUORREL_CLI_PATH});
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

// A temporary directory for input files.
class CliFiles : public ::testing::Test {
protected:
    QTemporaryDir directory;

    // Writes `bytes` to a new file and returns "@" and its path.
    QString fileArgument(const QString& name, const QByteArray& bytes)
    {
        const QString path = directory.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return "@" + path;
    }
};

const std::string tsvHeader = "id\ttype\tvalue1\tvalue2\tstate\n";

TEST(CliRows, TsvRowsAndExitStatus)
{
    struct Case {
        const char* name;
        QStringList arguments;
        std::string rows;
        int status;
    };
    const Case cases[] = {
        {"all-equal", {"a=1&b=2", "b=2&a=1"}, "1\ta\t1\t1\t√\n2\tb\t2\t2\t√\n", 0},
        {"one-value-differs", {"a=1&b=2", "a=1&b=3"}, "1\ta\t1\t1\t√\n2\tb\t2\t3\t×\n", 1},
        {"no-rows", {"", ""}, "", 0},
        {"item-on-one-side", {"a=1&b=2", "a=1"}, "1\ta\t1\t1\t√\n2\tb\t2\t\t×\n", 1},
        {"fully-empty-row", {"a=", ""}, "\t\t\t\t\n", 1},
        {"empty-values-equal", {"a==", "a=="}, "1\ta\t\t\t√\n", 0},
        {"longer-second-side-shows-as-value1", {"a=1&b=5", "a=1&b=2&c=3"},
         "1\ta\t1\t1\t√\n2\tb\t2\t5\t×\n3\tc\t3\t\t×\n", 1},
        {"substring-name-match", {"id=5", "userid=5"}, "1\tuserid\t5\t5\t√\n", 0},
        {"empty-key-takes-first-item", {"x&b=2", "b=2&c=3"}, "1\tb\t\t2\t×\n2\tc\t\t3\t×\n", 1},
        {"filter-option", {"--filter", ";", "a=1;b=2", "b=2;a=1"}, "1\ta\t1\t1\t√\n2\tb\t2\t2\t√\n", 0},
        {"empty-filter-takes-each-string-whole", {"--filter", "", "a=1&b", "a=1&b"}, "1\ta\t1&b\t1&b\t√\n", 0},
        // One item each side whose value holds "=", so the row shows nothing.
        {"empty-filter-value-with-equals-shows-nothing", {"--filter", "", "a=1&b=2", "a=1&b=2"}, "\t\t\t\t\n", 1},
        {"multi-character-filter", {"--filter", "&&", "a=1&&b=2", "b=2&&a=1"},
         "1\ta\t1\t1\t√\n2\tb\t2\t2\t√\n", 0},
        {"options-end-at-double-hyphen", {"--", "-a=1", "-a=1"}, "1\t-a\t1\t1\t√\n", 0},
        {"chinese-names-and-values", {"名字=中文&a=1", "名字=中文&a=1"}, "1\t名字\t中文\t中文\t√\n2\ta\t1\t1\t√\n", 0},
        // The core sees GB18030 bytes, as in the window: the bytes of U+0628
        // stand across U+14CF and U+F8FF, and a key is found only at whole
        // characters.
        {"key-across-four-byte-characters", {"\u0628=1", "\u14CF\uF8FF=1"},
         "1\t\u0628\t1\t\t×\n2\t\u14CF\uF8FF\t\t1\t×\n", 1},
        // A leading U+FEFF is a character of the name, not a byte order mark.
        {"leading-zero-width-no-break-space", {QChar(0xFEFF) + QString("a=1"), "a=1"},
         "1\t\uFEFFa\t1\t\t×\n2\ta\t\t1\t×\n", 1},
        {"korean-key-across-characters", {"송=1&a=2", "x=수량소계&송=1"}, "1\t송\t1\t1\t√\n2\ta\t2\t\t×\n3\tx\t\t수량소계\t×\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult result = runCli(QStringList{"--format", "tsv"} + c.arguments);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.out, tsvHeader + c.rows);
        EXPECT_EQ(result.err, "");
    }
}

TEST(CliOutput, QuietPrintsNothingAndKeepsTheStatus)
{
    for (const auto& [arguments, status] :
         std::vector<std::pair<QStringList, int>>{{{"a=1", "a=1"}, 0}, {{"a=1", "a=2"}, 1}}) {
        const CliResult result = runCli(QStringList{"--quiet"} + arguments);
        EXPECT_EQ(result.status, status);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "");
    }
}

TEST(CliOutput, TableAlignsWideCharactersAsTwoColumns)
{
    const CliResult result = runCli({"名字=中文&a=1&bb=x", "名字=中文&a=2"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out,
              "id  type  value1  value2  state\n"
              "1   名字  中文    中文    √\n"
              "2   a     1       2       ×\n"
              "3   bb    x               ×\n");
}

TEST(CliOutput, TableEscapesControlCharactersAndLeavesEmptyRowsBlank)
{
    const CliResult result = runCli({"k=a\tb&e=\x1b[2J&z=", "k=a\tb"});
    EXPECT_EQ(result.out,
              "id  type  value1   value2  state\n"
              "1   k     a\\tb     a\\tb    √\n"
              "2   e     \\x1B[2J          ×\n"
              "\n");
}

TEST_F(CliFiles, TsvEscapesBackslashTabAndLineBreaks)
{
    const QString first = fileArgument("first", "t=x\ty&b=1\\2&n=p\r\nq\n");
    const CliResult result = runCli({"--format", "tsv", first, "t=x\ty"});
    EXPECT_EQ(result.out, tsvHeader +
                              "1\tt\tx\\ty\tx\\ty\t√\n"
                              "2\tb\t1\\\\2\t\t×\n"
                              "3\tn\tp\\r\\nq\t\t×\n");
}

TEST(CliOutput, JsonHasMembersInColumnOrder)
{
    const CliResult result = runCli({"--format", "json", "a=\"名\"&b=2&c=", "a=\"名\"&b=3"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out,
              "[\n"
              "  {\"id\": \"1\", \"type\": \"a\", \"value1\": \"\\\"名\\\"\", \"value2\": \"\\\"名\\\"\", \"state\": \"√\"},\n"
              "  {\"id\": \"2\", \"type\": \"b\", \"value1\": \"2\", \"value2\": \"3\", \"state\": \"×\"},\n"
              "  {\"id\": \"\", \"type\": \"\", \"value1\": \"\", \"value2\": \"\", \"state\": \"\"}\n"
              "]\n");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(document.array().size(), 3);
    EXPECT_EQ(document.array()[0].toObject()["value1"].toString(), QString("\"名\""));
}

TEST(CliOutput, JsonOfNoRowsIsAnEmptyArray)
{
    EXPECT_EQ(runCli({"--format", "json", "", ""}).out, "[]\n");
}

TEST_F(CliFiles, FilesAndStandardInputDropOneFinalLineEnding)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        std::string value;
    };
    const Case cases[] = {
        {"line-feed", "a=1\n", "1"},
        {"carriage-return-line-feed", "a=1\r\n", "1"},
        {"no-line-ending", "a=1", "1"},
        {"only-one-of-two-line-feeds", "a=1\n\n", "1\\n"},
        {"spaces-stay", " a=1 \n", "1 "},
        {"lone-carriage-return-stays", "a=1\r", "1\\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string expectedName = c.bytes.startsWith(' ') ? " a" : "a";
        const std::string row = "1\t" + expectedName + "\t" + c.value + "\t" + c.value + "\t√\n";
        EXPECT_EQ(runCli({"--format", "tsv", fileArgument(c.name, c.bytes), "@-"}, c.bytes).out, tsvHeader + row);
    }
}

TEST_F(CliFiles, GbkBytesPassUnchanged)
{
    // 中=文 in GBK, and a lone first byte that takes the pair joiner "*" as
    // its second byte, as in the window.
    const QString first = fileArgument("gbk", "\xD6\xD0=\xCE\xC4&z=\x81");
    const QString second = fileArgument("gbk-second", "\xD6\xD0=\xCE\xC4");

    const CliResult tsv = runCli({"--encoding", "gbk", "--format", "tsv", first, second});
    EXPECT_EQ(tsv.status, 1);
    EXPECT_EQ(tsv.out, tsvHeader + "1\t\xD6\xD0\t\xCE\xC4\t\xCE\xC4\t\xA1\xCC\n2\tz\t\x81*\t\t\xA1\xC1\n");

    const CliResult json = runCli({"--encoding", "gbk", "--format", "json", first, second});
    EXPECT_EQ(json.out,
              "[\n"
              "  {\"id\": \"1\", \"type\": \"中\", \"value1\": \"文\", \"value2\": \"文\", \"state\": \"√\"},\n"
              "  {\"id\": \"2\", \"type\": \"z\", \"value1\": \"\uFFFD*\", \"value2\": \"\", \"state\": \"×\"}\n"
              "]\n");
}

// 81 5C is one GBK character whose second byte is the byte of "\\": only a
// backslash of its own is escaped, and the table measures the character.
TEST_F(CliFiles, GbkEscapesStepThroughCharacters)
{
    const QString second = fileArgument("second", "a=\x81\\");
    struct Case {
        const char* name;
        QByteArray first;
        const char* format;
        std::string out;
    };
    const Case cases[] = {
        {"table", "a=\x81\\&b=\\", "table",
         "id  type  value1  value2  state\n"
         "1   a     \x81\\      \x81\\      \xA1\xCC\n"
         "2   b     \\\\              \xA1\xC1\n"},
        {"tsv", "a=\x81\\&b=\\", "tsv", tsvHeader + "1\ta\t\x81\\\t\x81\\\t\xA1\xCC\n2\tb\t\\\\\t\t\xA1\xC1\n"},
        // A line feed after a first byte still breaks no line.
        {"tsv-control-after-first-byte", "a=\x81\\&c=\x81\nz", "tsv",
         tsvHeader + "1\ta\t\x81\\\t\x81\\\t\xA1\xCC\n2\tc\t\x81\\nz\t\t\xA1\xC1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult result = runCli({"--encoding", "gbk", "--format", c.format, fileArgument(c.name, c.first), second});
        EXPECT_EQ(result.out, c.out);
    }
}

TEST_F(CliFiles, GbkFilterMatchesOnlyAtCharacterStarts)
{
    // 81 7E is one character; only the second "~" cuts.
    const QString first = fileArgument("first", "a=\x81~~b=2");
    const CliResult result = runCli({"--encoding", "gbk", "--format", "tsv", "--filter", "~", first, "b=2"});
    EXPECT_EQ(result.out, tsvHeader + "1\ta\t\x81~\t\t\xA1\xC1\n2\tb\t2\t2\t\xA1\xCC\n");
}

TEST_F(CliFiles, TroubleIsOneLineOnStandardErrorAndStatusTwo)
{
    struct Case {
        const char* name;
        QStringList arguments;
        QByteArray standardInput;
        std::string message;
    };
    const QString missing = directory.filePath("missing");
    const Case cases[] = {
        {"unknown-option", {"--colour", "a", "b"}, {}, "quorrel-cli: Unknown option 'colour'.\n"},
        {"missing-option-value", {"a", "b", "--filter"}, {}, "quorrel-cli: Missing value after '--filter'.\n"},
        {"one-argument", {"a=1"}, {}, "quorrel-cli: expected two parameter strings, FIRST and SECOND, but got 1; see --help\n"},
        {"three-arguments", {"a", "b", "c"}, {}, "quorrel-cli: expected two parameter strings, FIRST and SECOND, but got 3; see --help\n"},
        {"unknown-format", {"--format", "xml", "a", "b"}, {}, "quorrel-cli: unknown format 'xml'; use table, tsv or json\n"},
        {"unknown-encoding", {"--encoding", "latin1", "a", "b"}, {}, "quorrel-cli: unknown encoding 'latin1'; use utf-8 or gbk\n"},
        {"missing-file", {"a=1", "@" + missing}, {},
         "quorrel-cli: cannot read the second input from '" + missing.toStdString() + "': No such file or directory\n"},
        {"directory-as-file", {"@" + directory.path(), "a=1"}, {},
         "quorrel-cli: cannot read the first input from '" + directory.path().toStdString() + "': Is a directory\n"},
        {"both-sides-standard-input", {"@-", "@-"}, "a=1", "quorrel-cli: FIRST and SECOND both read standard input; at most one may\n"},
        {"invalid-byte", {fileArgument("invalid", "a=b\xFF"), "a=1"}, {}, "quorrel-cli: the first input is not valid UTF-8 at byte offset 3\n"},
        {"invalid-on-standard-input", {"a=1", "@-"}, "ab=\xC3(", "quorrel-cli: the second input is not valid UTF-8 at byte offset 3\n"},
        {"overlong-form", {fileArgument("overlong", "\xC0\xAF"), "a=1"}, {}, "quorrel-cli: the first input is not valid UTF-8 at byte offset 0\n"},
        {"surrogate", {fileArgument("surrogate", "名=\xED\xA0\x80"), "a=1"}, {}, "quorrel-cli: the first input is not valid UTF-8 at byte offset 4\n"},
        {"cut-short-at-end", {fileArgument("cut", "a=\xE4\xB8\n"), "a=1"}, {}, "quorrel-cli: the first input is not valid UTF-8 at byte offset 2\n"},
        {"after-a-real-replacement-character", {fileArgument("replacement", "\xEF\xBF\xBD=\x80"), "a=1"}, {},
         "quorrel-cli: the first input is not valid UTF-8 at byte offset 4\n"},
        {"nul-byte", {"a=1", fileArgument("nul", QByteArray("a=1\0b", 5))}, {}, "quorrel-cli: the second input holds a NUL byte at byte offset 3\n"},
        {"nul-byte-in-gbk", {"--encoding", "gbk", "@-", "a=1"}, QByteArray("\0", 1), "quorrel-cli: the first input holds a NUL byte at byte offset 0\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult result = runCli(c.arguments, c.standardInput);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.message);
    }
}

TEST(CliTrouble, InvalidUtf8FilterTextNamesTheFilter)
{
    const CliResult result = runCliInShell("--filter \"$(printf 'x\\377')\" a=1 a=1");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "quorrel-cli: the filter text is not valid UTF-8 at byte offset 1\n");
}

TEST(CliInput, GbkArgumentsKeepTheirBytes)
{
    // 中=1 in GBK, given on the command line, is not UTF-8 and still pairs.
    const CliResult result = runCliInShell("--encoding gbk --format tsv \"$(printf '\\326\\320=1')\" "
                                        "\"$(printf '\\326\\320=1')\"");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, tsvHeader + "1\t\xD6\xD0\t1\t1\t\xA1\xCC\n");
}

TEST(CliOutput, HelpGoesToStandardOutput)
{
    const CliResult result = runCli({"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("FIRST"), std::string::npos);
    EXPECT_EQ(result.err, "");
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
