// The string-table generator must stop the build on any table it cannot trust.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct GenResult {
    int exitCode = -1;
    QString errors;
    QString output;
};

GenResult RunGenerator(const QByteArray& table) {
    QTemporaryDir dir;
    const QString in = dir.filePath("strings.txt"), out = dir.filePath("out.cpp");
    QFile f(in);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(table);
    f.close();
    QProcess p;
    p.start(QStringLiteral(ZELK_GEN_STRINGS), {"-o", out, in});
    EXPECT_TRUE(p.waitForFinished(10000));
    GenResult r;
    r.exitCode = p.exitCode();
    r.errors = QString::fromUtf8(p.readAllStandardError());
    QFile o(out);
    if (o.open(QIODevice::ReadOnly)) r.output = QString::fromUtf8(o.readAll());
    return r;
}

TEST(GenStrings, AcceptsEveryLineForm) {
    const auto r = RunGenerator("# comment\n\n7\t\"a \\\"b\\\"\\n \"\n1-3\t\"x\" \"y z\" \"\"\n"
                                "9[2]\t\"p\",\"q\"\r\n");
    EXPECT_EQ(r.exitCode, 0) << r.errors.toStdString();
    // Sorted by id, text bytes escaped.
    EXPECT_LT(r.output.indexOf("{1, 1, \"x\"}"), r.output.indexOf("{7, "));
    EXPECT_TRUE(r.output.contains("{2, 3, \"y z\"}"));
    EXPECT_TRUE(r.output.contains("{9, 7, \"\\042p\\042,\\042q\\042\"}"));
}

TEST(GenStrings, RejectsTablesThatCannotBeTrusted) {
    const struct {
        const char* table;
        const char* message;
    } rows[] = {
        {"1-3\t\"a\" \"b\"\n", "needs 3 items but has 2"},
        {"1-2\t\"a\" \"b\" \"c\"\n", "needs 2 items but has 3"},
        {"5[3]\t\"a\",\"b\"\n", "needs 3 items but has 2"},
        {"5[2]\t\"a\", \"b\"\n", "separated by ','"},
        {"5[1]\t\"a,b\"\n", "ASCII comma"},
        {"4\t\"x\"\n2-4\t\"a\" \"b\" \"c\"\n", "duplicate string id 4"},
        {"4 \"x\"\n", "expected ID<TAB>"},
        {"4\tx\n", "enclosed in double quotes"},
        {"70000\t\"x\"\n", "above 65535"},
        {"4\t\"a\\q\"\n", "unknown escape"},
        {"4\t\"\xE5\xB0\"\n", "not valid UTF-8"},
        {"1-2\t\"a\"\"b\"\n", "separated by blanks"},
    };
    for (const auto& row : rows) {
        const auto r = RunGenerator(row.table);
        EXPECT_NE(r.exitCode, 0) << row.table;
        EXPECT_TRUE(r.errors.contains(QString::fromUtf8(row.message)))
            << row.table << " -> " << r.errors.toStdString();
        EXPECT_TRUE(r.errors.contains("strings.txt:"))
            << "no file:line in " << r.errors.toStdString();
        EXPECT_TRUE(r.output.isEmpty());
    }
}

} // namespace
