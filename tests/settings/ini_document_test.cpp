#include "ini_document.h"

#include "test_files.h"

#include <QSaveFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::ReadAll;
using test::WriteAll;

const QString kStar = QStringLiteral("a16_S3StarSection");
const QString kMain = QStringLiteral("a16_S3MainSection");

TEST(IniDocument, ForeignLinesSurviveARewrite) {
    const QByteArray before = "\xEF\xBB\xBF; written by hand\r\n"
                              "[Other]\r\n"
                              "TimeBase=9\r\n"
                              "not an ini line\r\n"
                              "\r\n"
                              "[a16_S3StarSection]\r\n"
                              "  TimeBase =  2  \r\n"
                              "# a comment inside\r\n"
                              "Custom=keep me\r\n"
                              "\r\n"
                              "[Tail]\r\n"
                              "x=\xE7\xB4\xAB\xFF\r\n"; // invalid UTF-8 stays byte for byte
    IniDocument doc = IniDocument::FromText(before);
    doc.SetValue(kStar, "TimeBase", "0");                // replaced in place
    doc.SetValue(kStar, "PanBase", "1");                 // added at the end of its section
    doc.SetValue(kMain, "LastOpenUserFile", "客戶.kvy"); // a new section at the end
    const QByteArray expected = "\xEF\xBB\xBF; written by hand\r\n"
                                "[Other]\r\n"
                                "TimeBase=9\r\n"
                                "not an ini line\r\n"
                                "\r\n"
                                "[a16_S3StarSection]\r\n"
                                "TimeBase=0\r\n"
                                "# a comment inside\r\n"
                                "Custom=keep me\r\n"
                                "PanBase=1\r\n"
                                "\r\n"
                                "[Tail]\r\n"
                                "x=\xE7\xB4\xAB\xFF\r\n"
                                "\r\n"
                                "[a16_S3MainSection]\r\n"
                                "LastOpenUserFile=\xE5\xAE\xA2\xE6\x88\xB6.kvy\r\n";
    EXPECT_EQ(doc.ToText(), expected);
    EXPECT_EQ(doc.Value("Other", "TimeBase"), QStringLiteral("9"));
}

TEST(IniDocument, ReadsLikeAnOrdinaryIniReader) {
    const IniDocument doc = IniDocument::FromText("Loose=1\n"
                                                  "[ a16_s3starsection ]\n"
                                                  "timebase = 2\n"
                                                  "TimeBase=5\n"
                                                  "Quoted=\"  padded  \"\n"
                                                  "Eq=a=b;c\n"
                                                  "Empty=\n"
                                                  ";Commented=1\n"
                                                  "[Other]\n"
                                                  "Late=1\n"
                                                  "[A16_S3STARSECTION]\n"
                                                  "Late=2\n");
    EXPECT_EQ(doc.Value(kStar, "TimeBase"), QStringLiteral("2")); // first occurrence, any case
    EXPECT_EQ(doc.Value(kStar, "Quoted"), QStringLiteral("  padded  "));
    EXPECT_EQ(doc.Value(kStar, "Eq"), QStringLiteral("a=b;c"));
    EXPECT_EQ(doc.Value(kStar, "Empty"), QString());
    EXPECT_FALSE(doc.Value(kStar, "Commented"));
    EXPECT_FALSE(doc.Value(kStar, "Loose"));                  // before any section
    EXPECT_EQ(doc.Value(kStar, "Late"), QStringLiteral("2")); // the section continues later
    EXPECT_FALSE(doc.Value("Missing", "TimeBase"));
}

TEST(IniDocument, WrittenValuesReadBackUnchanged) {
    const QStringList values = {"",          " lead",     "trail ",    "\"quoted\"",
                                "a \"b\" c", "x=y;z#w",   "紫微 斗數", "C:\\客戶\\a.kvy",
                                "\"",        "[section]", "\t tab"};
    IniDocument doc;
    for (int i = 0; i < values.size(); ++i)
        doc.SetValue(kMain, QString("K%1").arg(i), values[i]);
    const IniDocument back = IniDocument::FromText(doc.ToText());
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(back.Value(kMain, QString("K%1").arg(i)), values[i]) << i;
    // A fresh document is plain text with LF line ends.
    EXPECT_TRUE(doc.ToText().startsWith("[a16_S3MainSection]\nK0=\n"));
}

TEST(IniDocument, LineBreaksInAValueBecomeBlanks) {
    IniDocument doc;
    doc.SetValue(kMain, "K", "a\r\nb\nc\rd");
    doc.SetValue(kMain, "Next", "1");
    const IniDocument back = IniDocument::FromText(doc.ToText());
    EXPECT_EQ(back.Value(kMain, "K"), QStringLiteral("a b c d"));
    EXPECT_EQ(back.Value(kMain, "Next"), QStringLiteral("1"));
}

TEST(IniFile, MissingAndUnreadableFiles) {
    QTemporaryDir dir;
    const IniFile missing = ReadIniFile(dir.filePath("none.ini"));
    EXPECT_EQ(missing.result.status, IniFileStatus::Missing);
    EXPECT_TRUE(missing.result.ok());
    EXPECT_TRUE(missing.document.IsEmpty());

    const IniFile folder = ReadIniFile(dir.path());
    EXPECT_EQ(folder.result.status, IniFileStatus::Unreadable);
    EXPECT_FALSE(folder.result.error.isEmpty());

    EXPECT_EQ(ReadIniFile(QString()).result.status, IniFileStatus::NoPath);
    EXPECT_EQ(WriteIniFile(QString(), IniDocument()).status, IniFileStatus::NoPath);
}

TEST(IniFile, WriteCreatesTheFolderAndReportsFailures) {
    QTemporaryDir dir;
    IniDocument doc;
    doc.SetValue(kStar, "TimeBase", "2");
    const QString nested = dir.filePath("a/b/set.ini");
    EXPECT_TRUE(WriteIniFile(nested, doc).ok());
    EXPECT_EQ(ReadAll(nested), QByteArray("[a16_S3StarSection]\nTimeBase=2\n"));

    // A folder where the file should be, and a file where a folder should be:
    // both fail, both are reported, and neither is touched.
    const IniResult onFolder = WriteIniFile(dir.filePath("a"), doc);
    EXPECT_EQ(onFolder.status, IniFileStatus::WriteFailed);
    EXPECT_FALSE(onFolder.error.isEmpty());
    const IniResult underFile = WriteIniFile(nested + "/x.ini", doc);
    EXPECT_EQ(underFile.status, IniFileStatus::WriteFailed);
    EXPECT_EQ(ReadAll(nested), QByteArray("[a16_S3StarSection]\nTimeBase=2\n"));
}

// A write that dies after part of the new text went out must leave the old file
// whole and no stray temporary file beside it.
TEST(IniFile, InterruptedRewriteLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a16_S3Zelk_V3.ini");
    const QByteArray old = "[a16_S3StarSection]\nTimeBase=2\nPanBase=1\n";
    ASSERT_TRUE(WriteAll(path, old));

    IniDocument doc = ReadIniFile(path).document;
    for (int i = 0; i < 500; ++i)
        doc.SetValue(kStar, QString("Key%1").arg(i), "1234567890");
    detail::SetIniCommitHookForTesting([](QSaveFile& file, const QByteArray& bytes) {
        file.write(bytes.left(bytes.size() / 2)); // more bytes, then the "crash"
        return false;
    });
    const IniResult r = WriteIniFile(path, doc);
    detail::SetIniCommitHookForTesting(nullptr);

    EXPECT_EQ(r.status, IniFileStatus::WriteFailed);
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_TRUE(test::OtherFiles(dir.path(), {"a16_S3Zelk_V3.ini"}).isEmpty());
    // The same write without the interruption goes through.
    EXPECT_TRUE(WriteIniFile(path, doc).ok());
    EXPECT_EQ(ReadIniFile(path).document.Value(kStar, "Key499"), QStringLiteral("1234567890"));
}

} // namespace
} // namespace zelk
