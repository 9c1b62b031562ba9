// quorrel-cli's options for requests as they are captured: --decode,
// --ignore, --only-differences and --url, alone and together, through the
// real executable.
#include "tests/cli/cli_process.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string tsvHeader = "id\ttype\tvalue1\tvalue2\tstate\n";

struct Case {
    const char* name;
    QStringList arguments;
    std::string out;
    int status;
};

void expectCases(const QStringList& common, const std::initializer_list<Case>& cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult result = runCli(common + c.arguments);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.err, "");
    }
}

TEST(CliDecode, ShowsDecodedValuesAndComparesDecodedBytes)
{
    expectCases({"--format", "tsv"}, {
        {"utf8-escapes-against-plain", {"--decode", "utf-8", "a=1&b=%E4%B8%AD", "b=中&a=1"},
         tsvHeader + "1\ta\t1\t1\t√\n2\tb\t中\t中\t√\n", 0},
        {"without-decode-raw-bytes-differ", {"a=1&b=%E4%B8%AD", "b=中&a=1"},
         tsvHeader + "1\ta\t1\t1\t√\n2\tb\t%E4%B8%AD\t中\t×\n", 1},
        {"gbk-escapes-against-plain", {"--decode", "gbk", "a=%D6%D0", "a=中"}, tsvHeader + "1\ta\t中\t中\t√\n", 0},
        {"lower-case-escapes", {"--decode", "utf-8", "a=%e4%b8%ad", "a=%E4%B8%AD"}, tsvHeader + "1\ta\t中\t中\t√\n", 0},
        {"plus-against-space", {"--decode", "utf-8", "q=a+b", "q=a b"}, tsvHeader + "1\tq\ta b\ta b\t√\n", 0},
        {"escaped-plus-is-no-space", {"--decode", "utf-8", "q=a%2Bb", "q=a b"}, tsvHeader + "1\tq\ta+b\ta b\t×\n", 1},
        {"lone-percent-and-bad-escape-stay", {"--decode", "utf-8", "a=100%&b=%zz", "a=100%&b=%zz"},
         tsvHeader + "1\ta\t100%\t100%\t√\n2\tb\t%zz\t%zz\t√\n", 0},
        {"different-invalid-escapes-differ", {"--decode", "utf-8", "a=%FF", "a=%FE"},
         tsvHeader + "1\ta\t\uFFFD\t\uFFFD\t×\n", 1},
        {"same-invalid-escape-equal", {"--decode", "utf-8", "a=%FF", "a=%ff"}, tsvHeader + "1\ta\t\uFFFD\t\uFFFD\t√\n", 0},
        {"names-decoded-pairing-raw", {"--decode", "utf-8", "%E5%90%8D=1", "名=1"},
         tsvHeader + "1\t名\t1\t\t×\n2\t名\t\t1\t×\n", 1},
        {"empty-row-stays-empty", {"--decode", "utf-8", "a=1&x=", "a=1"}, tsvHeader + "1\ta\t1\t1\t√\n\t\t\t\t\n", 1},
    });
}

TEST(CliDecode, GbkOutputOfDecodedValues)
{
    const CliResult result =
        runCli({"--format", "tsv", "--encoding", "gbk", "--decode", "gbk", "a=%D6%D0", "@-"}, "a=\xD6\xD0");
    EXPECT_EQ(result.out, tsvHeader + "1\ta\t\xD6\xD0\t\xD6\xD0\t\xA1\xCC\n");
    EXPECT_EQ(result.status, 0);
}

TEST(CliIgnore, LeavesRowsOutOfOutputAndStatus)
{
    expectCases({"--format", "tsv"}, {
        {"one-name", {"--ignore", "ts", "a=1&ts=100", "a=1&ts=200"}, tsvHeader + "1\ta\t1\t1\t√\n", 0},
        {"several-names", {"--ignore", "ts", "--ignore", "sign", "a=1&ts=1&sign=x", "a=2&ts=2&sign=y"},
         tsvHeader + "1\ta\t1\t2\t×\n", 1},
        {"exact-names-only", {"--ignore", "t", "ts=1", "ts=2"}, tsvHeader + "1\tts\t1\t2\t×\n", 1},
        {"shown-name-of-a-substring-pair", {"--ignore", "userid", "id=5&a=1", "userid=6&a=1"},
         tsvHeader + "2\ta\t1\t1\t√\n", 0},
        {"decoded-name", {"--decode", "utf-8", "--ignore", "名", "%E5%90%8D=1&a=1", "名=2&a=1"},
         tsvHeader + "2\ta\t1\t1\t√\n", 0},
    });
}

TEST(CliOnlyDifferences, PrintsRowsThatAreNotEqualWithTheirIds)
{
    const QStringList differing = {"--only-differences", "a=1&b=2&c=3&x=", "a=1&b=3&c=3"};
    expectCases({}, {
        {"tsv", QStringList{"--format", "tsv"} + differing, tsvHeader + "2\tb\t2\t3\t×\n\t\t\t\t\n", 1},
        {"table", differing,
         "id  type  value1  value2  state\n"
         "2   b     2       3       ×\n"
         "\n",
         1},
        {"json", QStringList{"--format", "json"} + differing,
         "[\n"
         "  {\"id\": \"2\", \"type\": \"b\", \"value1\": \"2\", \"value2\": \"3\", \"state\": \"×\"},\n"
         "  {\"id\": \"\", \"type\": \"\", \"value1\": \"\", \"value2\": \"\", \"state\": \"\"}\n"
         "]\n",
         1},
        {"nothing-differs", {"--format", "tsv", "--only-differences", "a=1", "a=1"}, tsvHeader, 0},
        {"with-decode", {"--format", "tsv", "--only-differences", "--decode", "utf-8", "a=%41&b=1", "a=A&b=2"},
         tsvHeader + "2\tb\t1\t2\t×\n", 1},
    });
}

TEST(CliUrl, ComparesTheQueries)
{
    expectCases({"--format", "tsv", "--url"}, {
        {"url-and-request-target", {"https://example.test/p?a=1&b=2#top", "/p?b=2&a=1"},
         tsvHeader + "1\ta\t1\t1\t√\n2\tb\t2\t2\t√\n", 0},
        {"no-question-mark", {"a=1", "https://example.test/?a=1"}, tsvHeader + "1\ta\t1\t1\t√\n", 0},
        {"fragment-dropped-first", {"a=1#x?b=2", "a=1"}, tsvHeader + "1\ta\t1\t1\t√\n", 0},
        // A target without "?" is taken whole: one item without "=", shown as an empty row.
        {"empty-query-against-no-query", {"https://example.test/p?", "https://example.test/q"},
         tsvHeader + "\t\t\t\t\n", 1},
        {"with-decode-and-ignore", {"--decode", "utf-8", "--ignore", "ts", "/s?q=%E4%B8%AD&ts=1", "/s?q=中&ts=2"},
         tsvHeader + "1\tq\t中\t中\t√\n", 0},
    });
}

TEST(CliRequestOptions, BadValuesAreTrouble)
{
    const struct {
        const char* name;
        QStringList arguments;
        std::string message;
    } cases[] = {
        {"unknown-charset", {"--decode", "latin1", "a", "b"},
         "quorrel-cli: unknown charset for --decode 'latin1'; use utf-8 or gbk\n"},
        {"missing-charset", {"a", "b", "--decode"}, "quorrel-cli: Missing value after '--decode'.\n"},
        {"missing-name", {"a", "b", "--ignore"}, "quorrel-cli: Missing value after '--ignore'.\n"},
        {"url-takes-no-value", {"--url=x", "a", "b"}, "quorrel-cli: Unexpected value after '--url'.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult result = runCli(c.arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.message);
    }
}

}  // namespace
