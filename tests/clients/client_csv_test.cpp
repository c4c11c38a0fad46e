// CSV client lists: splitting, the birth date column, every column rule, the
// round trip through export and import, line ends and encodings.
#include "big5_text.h"
#include "client_csv.h"
#include "client_test_support.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::SampleClient;

QString Header() {
    return ClientCsvHeader();
}

ClientList Parse(const QString& text, ClientCsvParse* out = nullptr, int32_t next = 100) {
    ClientList list;
    ClientCsvParse parse = ParseClientCsv(text, list, next, 1);
    if (out) *out = parse;
    return list;
}

TEST(ClientCsvCodec, Big5IsAvailableWhateverTheLocale) {
    ASSERT_TRUE(Big5Available());
    EXPECT_EQ(EncodeBig5(u"王"), QByteArray("\xA4\xFD", 2));
    EXPECT_EQ(DecodeBig5(QByteArray("\xA4\xFD\x00\xA4\xFD", 5)), u"王") << "read up to a zero byte";
    EXPECT_TRUE(FitsBig5(u"王小明，AB"));
    EXPECT_FALSE(FitsBig5(QString::fromUtf8("\xF0\x9F\x98\x80")));
    EXPECT_FALSE(FitsBig5(u"é"));
    TextEncoding found = TextEncoding::Big5;
    EXPECT_EQ(DecodeClientText(QByteArray("\xEF\xBB\xBF\xC3\xA9"), &found), u"é");
    EXPECT_EQ(found, TextEncoding::Utf8WithBom);
}

TEST(ClientCsvSplit, FieldsBetweenCommas) {
    EXPECT_EQ(SplitCsvFields(u",a,,b"),
              (QStringList{{}, QStringLiteral("a"), {}, QStringLiteral("b")}));
    EXPECT_EQ(SplitCsvFields(u""), QStringList{QString()});
    QString many;
    for (int i = 0; i < 60; ++i)
        many += QString::number(i) + QLatin1Char(',');
    const QStringList fields = SplitCsvFields(many);
    EXPECT_EQ(fields.size(), kCsvMaxFields);
    EXPECT_EQ(fields.last(), u"49");
}

TEST(ClientCsvInteger, ReadsLikeTheOldReader) {
    EXPECT_EQ(ReadCsvInteger(u"  -12abc"), -12);
    EXPECT_EQ(ReadCsvInteger(u"+7"), 7);
    EXPECT_EQ(ReadCsvInteger(u"x1"), 0);
    EXPECT_EQ(ReadCsvInteger(u""), 0);
    EXPECT_EQ(ReadCsvInteger(u"99999999999999999999"), INT32_MAX);
    EXPECT_EQ(ReadCsvInteger(u"-99999999999999999999"), INT32_MIN);
}

TEST(ClientCsvBirthDate, AcceptsOnlyCompleteValidMoments) {
    const auto ok = ParseCsvBirthDate(u"1980/2/29 00:00");
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->day, 29);
    const auto seconds = ParseCsvBirthDate(u"1980/02/03 7:05:59");
    ASSERT_TRUE(seconds);
    EXPECT_EQ(seconds->minute, 5);
    for (const char16_t* bad : {u"1981/2/29 00:00", u"1980/2/30 00:00", u"1980/2/3", u"1980/2/3 10",
                                u"1980-2-3 10:00", u"1980/2/3 24:00", u"1980/2/3 10:60",
                                u"1800/2/3 10:00", u"2100/1/1 00:00", u"1980/2/0 10:00", u""})
        EXPECT_FALSE(ParseCsvBirthDate(bad)) << QString::fromUtf16(bad).toStdString();
}

TEST(ClientCsvColumns, EachLabelStoresItsField) {
    tagUserInfo r;
    EXPECT_TRUE(ApplyCsvColumn(r, u"自定生日", u"T"));
    EXPECT_EQ(r.customBirthday, 1);
    ApplyCsvColumn(r, u"自定生日", u"F");
    EXPECT_EQ(r.customBirthday, 0);
    ApplyCsvColumn(r, u"自定生日", u"3");
    EXPECT_EQ(r.customBirthday, 1);
    ApplyCsvColumn(r, u"自定生日", u"-1");
    EXPECT_EQ(r.customBirthday, 0);

    ApplyCsvColumn(r, u"性別", u"F");
    EXPECT_EQ(r.sex, 1);
    ApplyCsvColumn(r, u"性別", u"x");
    EXPECT_EQ(r.sex, 1) << "other text leaves the field";
    ApplyCsvColumn(r, u"性別", u"M");
    EXPECT_EQ(r.sex, 0);

    ApplyCsvColumn(r, u"血型", u"AB");
    EXPECT_EQ(r.bloodType, 3);
    ApplyCsvColumn(r, u"血型", u"ab");
    EXPECT_EQ(r.bloodType, 0);

    ApplyCsvColumn(r, u"身高", u"70000");
    EXPECT_EQ(r.height, 32767) << "held at the field's limit, not wrapped";
    ApplyCsvColumn(r, u"排行", u"20");
    EXPECT_EQ(r.siblingRank, 20);

    ApplyCsvColumn(r, u"姓名", QString(40, QChar(u'名')));
    EXPECT_EQ(r.name.text().size(), 31);
    const tagUserInfo before = r;
    EXPECT_TRUE(ApplyCsvColumn(r, u"unknown", u"1"));
    EXPECT_TRUE(ApplyCsvColumn(r, u"", u"1"));
    EXPECT_EQ(r, before);
    EXPECT_FALSE(ApplyCsvColumn(r, u"出生日期", u"bad"));
}

TEST(ClientCsvColumns, LateRatHourAdvancesTheLunarDate) {
    tagUserInfo at22, at23;
    ASSERT_TRUE(ApplyCsvColumn(at22, u"出生日期", u"1986/03/15 22:59"));
    ASSERT_TRUE(ApplyCsvColumn(at23, u"出生日期", u"1986/03/15 23:10"));
    EXPECT_EQ(at22.hourIndex, 11);
    EXPECT_EQ(at23.hourIndex, 12);
    EXPECT_EQ(at23.hour, 23);
    EXPECT_EQ(at23.day, 15) << "the Gregorian date stays";
    EXPECT_EQ(at23.lunarDay, at22.lunarDay + 1);
    EXPECT_EQ(at23.lunarMonth, at22.lunarMonth);
    // 1985/02/19 is the 30th of lunar month 12: the late 子 hour is new year's day.
    tagUserInfo eve;
    ASSERT_TRUE(ApplyCsvColumn(eve, u"出生日期", u"1985/02/19 23:00"));
    EXPECT_EQ(eve.lunarYear, 1985);
    EXPECT_EQ(eve.lunarMonth, 1);
    EXPECT_EQ(eve.lunarDay, 1);
}

TEST(ClientCsvParseTest, HeaderColumnsInAnyOrderAndLineEnds) {
    const QString lf = QStringLiteral(
        "姓名,extra,出生日期,性別\n甲,x,1980/01/02 03:04,F\n乙,y,1990/05/06 07:08,M\n");
    QString crlf = lf;
    crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    for (const QString& text : {lf, crlf}) {
        ClientCsvParse parse;
        const ClientList list = Parse(text, &parse);
        ASSERT_EQ(list.size(), 2u);
        EXPECT_EQ(list[0].name.text(), u"甲") << "no line feed at the start of a first field";
        EXPECT_EQ(list[0].sex, 1);
        EXPECT_EQ(list[1].year, 1990);
        EXPECT_EQ(list[1].minute, 8);
        EXPECT_EQ(list[0].id, 100);
        EXPECT_EQ(list[1].id, 101);
        EXPECT_TRUE(parse.rejectedLines.isEmpty());
    }
}

TEST(ClientCsvParseTest, LastLineWithoutLineBreakIsRead) {
    const ClientList list =
        Parse(QStringLiteral("姓名,出生日期\n甲,1980/01/02 03:04\n乙,1980/01/02 03:04"));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].name.text(), u"乙");
}

TEST(ClientCsvParseTest, NoLineBreakAfterTheFirstCharacterReadsNothing) {
    ClientCsvParse parse;
    EXPECT_TRUE(Parse(QStringLiteral("姓名,出生日期"), &parse).empty());
    EXPECT_FALSE(parse.anyLine);
    EXPECT_TRUE(Parse(QStringLiteral("\n甲,1980/01/02 03:04\n"), &parse).empty());
    EXPECT_FALSE(parse.anyLine);
}

TEST(ClientCsvParseTest, BadLinesAreRejectedTheRestImported) {
    ClientCsvParse parse;
    int32_t next = 5;
    ClientList list;
    parse = ParseClientCsv(
        QStringLiteral(
            "編號,姓名,出生日期\n,甲,1980/01/02 03:04\n9,乙,1980/01/02\n\n3,,1980/13/01 00:00\n"),
        list, next, 1);
    ASSERT_EQ(list.size(), 1u) << "a line beginning with a comma imports normally";
    EXPECT_EQ(list[0].name.text(), u"甲");
    EXPECT_EQ(parse.rejectedLines, (QStringList{QStringLiteral("9,乙,1980/01/02"), QString(),
                                                QStringLiteral("3,,1980/13/01 00:00")}));
    EXPECT_EQ(next, 6) << "only accepted lines take numbers";

    // Without a birth date column no line can give a chart: all are kept aside.
    ClientList none = Parse(QStringLiteral("姓名\n甲\n"), &parse);
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(parse.rejectedLines.size(), 1);
}

TEST(ClientCsvParseTest, EmptyNameGetsTheAutomaticName) {
    const ClientList list =
        Parse(QStringLiteral("姓名,出生日期\n,1986/03/15 04:00\n"), nullptr, 12);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].id, 12);
    EXPECT_EQ(list[0].name.text(), u"12-075031504");
}

TEST(ClientCsvFormat, LineAndHeaderAsWritten) {
    EXPECT_EQ(Header(), u"編號,姓名,出生日期,自定生日,性別,血型,出生地,經度,緯度,身高,排行,學歷,"
                        u"建檔日期,電話,Email,地址,備註,介紹人,客戶類別");
    tagUserInfo r = SampleClient(7, QStringLiteral("王,小明"), 1986, 3, 5);
    r.hour = 24; // the late 子 hour from the dialog
    r.customBirthday = 1;
    r.sex = 1;
    r.bloodType = 9; // outside the table
    r.height = 170;
    r.note.assign(u"a\r\nb\nc\rd");
    EXPECT_EQ(FormatClientCsvLine(r),
              u"7,王，小明,1986/03/05 23:00,T,F,未知,,,,170,0,,,,,,a b c d,,");
}

TEST(ClientCsvRoundTrip, ExportThenImportRestoresEveryColumn) {
    QTemporaryDir dir;
    tagUserInfo r;
    r.id = 3;
    r.name.assign(u"陳大文");
    ASSERT_TRUE(ApplyCsvColumn(r, u"出生日期", u"1986/03/15 23:30"));
    r.hour = 24; // as the dialog stores the late 子 hour
    r.minute = 0;
    r.customBirthday = 1;
    r.sex = 1;
    r.bloodType = 4;
    r.birthPlace.assign(u"高雄");
    r.longitude.assign(u"120.3");
    r.latitude.assign(u"22.6");
    r.height = 160;
    r.siblingRank = 2;
    r.education.assign(u"碩士");
    r.createdDate.assign(u"2024/05/06");
    r.phone.assign(u"07-123");
    r.email.assign(u"x@y.tw");
    r.address.assign(u"高雄市");
    r.note.assign(u"好");
    r.introducer.assign(u"王");
    r.category.assign(u"VIP");
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    const ClientStoreResult written = WriteClientCsvFile(path, {r}, {0});
    ASSERT_TRUE(written.ok);
    EXPECT_FALSE(written.has(kMsgExportedAsUtf8));
    const QByteArray bytes = test::ReadAll(path);
    EXPECT_TRUE(bytes.endsWith('\n'));
    EXPECT_FALSE(bytes.contains('\r'));
    EXPECT_TRUE(bytes.startsWith(EncodeBig5(u"編號,")));

    const ClientCsvText csv = ReadClientCsvText(path);
    ASSERT_TRUE(csv.opened);
    EXPECT_EQ(csv.rejectedPath, path + QStringLiteral(".bck"));
    ClientCsvParse parse;
    const ClientList back = Parse(csv.text, &parse);
    ASSERT_EQ(back.size(), 1u);
    tagUserInfo expected = r;
    expected.id = 100;  // a fresh number
    expected.hour = 23; // 23:00 reads back as the same late 子 hour
    EXPECT_EQ(back[0], expected);
}

TEST(ClientCsvRoundTrip, TextBig5CannotHoldIsWrittenAsUtf8WithBom) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    tagUserInfo r = SampleClient(1, QString::fromUtf8("José 😀"));
    const ClientStoreResult written = WriteClientCsvFile(path, {r}, {0});
    ASSERT_TRUE(written.ok);
    ASSERT_TRUE(written.has(kMsgExportedAsUtf8));
    const QByteArray bytes = test::ReadAll(path);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_FALSE(bytes.contains('?'));
    const ClientCsvText csv = ReadClientCsvText(path);
    EXPECT_EQ(csv.encoding, TextEncoding::Utf8WithBom);
    const ClientList back = Parse(csv.text);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].name.text(), QString::fromUtf8("José 😀"));
}

TEST(ClientCsvRejected, FileHoldsHeaderAndRefusedLinesInTheSourceEncoding) {
    QTemporaryDir dir;
    const QString bck = dir.filePath(QStringLiteral("in.csv.bck"));
    ClientCsvParse parse;
    Parse(QStringLiteral("姓名,出生日期\r\n甲,1980/01/02\r\n乙,1980/01/02 01:00\r\n"), &parse);
    ASSERT_TRUE(WriteRejectedLines(bck, parse, TextEncoding::Big5).ok);
    EXPECT_EQ(test::ReadAll(bck), EncodeBig5(u"姓名,出生日期\r\n甲,1980/01/02\r\n"));
}

} // namespace
} // namespace zelk
