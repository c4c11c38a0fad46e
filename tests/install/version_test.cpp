// `zelk --version` and `zelk-cli --version`: the version of the build, on a
// line of its own, also where there is no display (a script, an ssh login, a
// package check).
#include "install_support.h"
#include "zelk_version.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace zelk::testing {
namespace {

TEST(Version, BothProgramsPrintTheBuildVersionWithoutADisplay) {
    struct Case {
        QString program;
        QStringList arguments;
        QString expected;
    };
    const QString desktop = QStringLiteral("zelk " ZELK_VERSION "\n");
    const QString cli = QStringLiteral("zelk-cli " ZELK_VERSION "\n");
    const Case cases[] = {
        {QStringLiteral(ZELK_PROGRAM), {QStringLiteral("--version")}, desktop},
        // Among the start options, before or after them.
        {QStringLiteral(ZELK_PROGRAM),
         {QStringLiteral("--no-splash"), QStringLiteral("--version")},
         desktop},
        {QStringLiteral(ZELK_PROGRAM),
         {QStringLiteral("--version"), QStringLiteral("clients.kvy")},
         desktop},
        {QStringLiteral(ZELK_CLI_PROGRAM), {QStringLiteral("--version")}, cli},
    };
    for (const Case& c : cases) {
        const std::string what =
            (c.program + QLatin1Char(' ') + c.arguments.join(' ')).toStdString();
        const RunResult r = RunProgram(c.program, c.arguments, WithoutDisplay());
        ASSERT_TRUE(r.finished) << what;
        EXPECT_EQ(r.exitCode, 0) << what << ": " << r.err.toStdString();
        EXPECT_EQ(r.out, c.expected) << what;
        EXPECT_EQ(r.err, QString()) << what;
    }
}

TEST(Version, IsTheProjectVersionInEveryPackagedText) {
    // The version has the form of the project version, and the changelog the
    // package ships starts with it.
    EXPECT_TRUE(QString::fromLatin1(ZELK_VERSION)
                    .contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))));
    const InstalledTree tree;
    ASSERT_TRUE(tree.ok()) << tree.log().toStdString();
    const QString changelog = Gunzipped(tree.path(QStringLiteral("share/doc/zelk/changelog.gz")));
    EXPECT_TRUE(changelog.startsWith(QStringLiteral("zelk (" ZELK_VERSION ") ")))
        << changelog.left(80).toStdString();
    // The trailer line of a Debian changelog: " -- Name <address>  date".
    EXPECT_TRUE(changelog.contains(QRegularExpression(
        QStringLiteral(
            "^ -- .+ <[^>]+@[^>]+>  \\w{3}, \\d\\d \\w{3} \\d{4} \\d\\d:\\d\\d:\\d\\d [+-]\\d{4}$"),
        QRegularExpression::MultilineOption)))
        << changelog.toStdString();
}

} // namespace
} // namespace zelk::testing
