#include "app/VersionPage.h"
#include "app/Version.h"

#include <gtest/gtest.h>

using namespace versionpage;

namespace {

struct PageCase
{
    const char* page;
    const char* version;
};

} // namespace

TEST(VersionPage, PicksTheVersionOutOfTheList)
{
    const PageCase cases[] = {
        {"<p>-----> [carQrV9.9.99,orvynQrV1.2.09,x]</p>", "V1.2.09"},
        // The list's last item ends at the bracket: a comma is put after it.
        {"-----> [abc,orvynQrV1.2.09]", "V1.2.09"},
        {"head ] tail -----> [orvynQrV1.2.09,z]", "PARSE_ERROR"}, // "]" before the marker
        {"-----> [orvynQrV1.2,z]", "PARSE_ERROR"},                // four characters: too short
        {"-----> [orvynQrV1.2.,z]", "V1.2."},                     // five are enough
        {"-----> [abcd]", "PARSE_ERROR"},                         // list of four characters
        {"-----> [orvynqrv1.2.09,z]", "PARSE_ERROR"},             // the marker is case-sensitive
        {"no list here", "PARSE_ERROR"},
        {"-----> [orvynQrV1.2.09", "PARSE_ERROR"}, // no closing bracket
        {"-----> [a,b,c,d,e]", "PARSE_ERROR"},     // no product item
        // Only the first marker and the first bracket count.
        {"-----> [orvynQrV1.3.00,x] -----> [orvynQrV1.4.00]", "V1.3.00"},
        {"-----> [ orvynQrV版本二号版,x]", "V版本二号版"},
    };
    for (const PageCase& c : cases)
        EXPECT_EQ(ParseServerVersion(QString::fromUtf8(c.page)), QString::fromUtf8(c.version))
            << c.page;
}

TEST(VersionPage, ComparesCodeUnitByCodeUnit)
{
    const QString program = QStringLiteral("V1.2.08");
    EXPECT_TRUE(IsNewerVersion(program, "V1.2.09"));
    EXPECT_TRUE(IsNewerVersion(program, "V1.2.10")); // the sixth unit 1 beats 0
    EXPECT_FALSE(IsNewerVersion(program, "V1.10"));  // '1' orders before '2'
    EXPECT_FALSE(IsNewerVersion(program, program));
    EXPECT_FALSE(IsNewerVersion(program, "V1.2.07"));
    EXPECT_TRUE(IsNewerVersion(program, "V1.2.08a")); // a longer text with the same start
    EXPECT_TRUE(IsNewerVersion(program, "v1.0"));     // case-sensitive: 'v' orders after 'V'
}

// The window's version is the package's, in the form the update page compares:
// a later package version is a newer window version.
TEST(VersionPage, WindowFormOfThePackageVersion)
{
    const struct
    {
        const char* package;
        const char* window;
    } rows[] = {
        {"1.2.8", "V1.2.08"},    {"1.2.10", "V1.2.10"}, {"2.0.0", "V2.0.00"},
        {"1.2.123", "V1.2.123"}, {"1.2", "V1.2"},       {"1.2.rc1", "V1.2.rc1"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(WindowVersionOf(row.package), QString(row.window)) << row.package;
    EXPECT_TRUE(IsNewerVersion(WindowVersionOf("1.2.9"), WindowVersionOf("1.2.10")));
    EXPECT_TRUE(IsNewerVersion(WindowVersionOf("1.2.8"), WindowVersionOf("1.2.9")));
}

TEST(VersionPage, KeepsWholePiecesUpToTheReadLimit)
{
    // Lines are pieces; a line longer than 512 bytes is read in 512-byte pieces.
    QByteArray lines;
    for (int i = 0; i < 100; ++i)
        lines += QByteArray(99, 'a') + '\n'; // 100 lines of 100 bytes: all fit
    EXPECT_EQ(TakePageText(lines), lines);
    lines += QByteArray(300, 'b') + '\n'; // 10 301 bytes: this line would overflow
    EXPECT_EQ(TakePageText(lines), lines.left(10000));

    // One long line: 19 pieces of 512 bytes make 9 728, the 20th would pass 10 239.
    const QByteArray line(20000, 'x');
    EXPECT_EQ(TakePageText(line).size(), 9728);
    EXPECT_EQ(TakePageText(QByteArray(10239, 'x')).size(), 10239); // the 20th piece just fits
    EXPECT_EQ(TakePageText(QByteArray(10240, 'x')).size(), 9728);
    // A page that ends inside a piece keeps its short last piece.
    EXPECT_EQ(TakePageText(QByteArray(10000, 'x')).size(), 10000);
    // 19 full lines of 512 bytes, then a line of 511: exactly 10 239 bytes.
    QByteArray exact;
    for (int i = 0; i < 19; ++i)
        exact += QByteArray(511, 'y') + '\n';
    exact += QByteArray(510, 'z') + '\n';
    ASSERT_EQ(exact.size(), 10239);
    EXPECT_EQ(TakePageText(exact + "more"), exact);
    EXPECT_TRUE(TakePageText({}).isEmpty());
}

TEST(VersionPage, AListBeyondTheReadLimitIsNotSeen)
{
    const QByteArray list = "-----> [orvynQrV1.2.09,x]\n";
    QByteArray filler;
    for (int i = 0; i < 99; ++i)
        filler += QByteArray(99, ' ') + '\n';
    // 9 900 bytes of filler: the list line ends at 9 926 and is read.
    EXPECT_EQ(ParseServerVersion(DecodePage(TakePageText(filler + list))), "V1.2.09");
    // Another 320-byte line first: the list line would end at 10 246.
    const QByteArray more = QByteArray(319, ' ') + '\n';
    EXPECT_EQ(ParseServerVersion(DecodePage(TakePageText(filler + more + list))), kParseError);
}
