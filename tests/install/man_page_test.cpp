// The manual pages: they carry the version of the build, render without
// warnings, and the zelk-cli page documents every command and option the program
// itself lists, so that a new option cannot ship undocumented.
#include "install_support.h"
#include "zelk_version.h"

#include <QRegularExpression>

#include <algorithm>

#include <gtest/gtest.h>

namespace zelk::testing {
namespace {

// The roff source as plain words: "\-" is a hyphen, font changes and quotes go.
QString PlainRoff(QString text) {
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    text.remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
    text.remove(QLatin1Char('"'));
    return text;
}

bool MentionsOption(const QString& plain, const QString& option) {
    return plain.contains(QRegularExpression(QStringLiteral("(?<![\\w-])") +
                                             QRegularExpression::escape(option) +
                                             QStringLiteral("(?![\\w-])")));
}

// The lines of a section of the page (from ".SH NAME" to the next ".SH").
QStringList Section(const QString& plain, const QString& name) {
    QStringList lines;
    bool inside = false;
    for (const QString& line : plain.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String(".SH ")))
            inside = line.mid(4).trimmed() == name;
        else if (inside)
            lines << line;
    }
    return lines;
}

struct Usage {
    QStringList commands; // "lunar", "db list", ...
    QStringList options;  // "--solar", "-o", ...
};

// Reads what `zelk-cli --help` lists: each usage line starts "zelk-cli" and the
// command's words, then its operands and options.
Usage CliUsage() {
    const RunResult help = RunProgram(QStringLiteral(ZELK_CLI_PROGRAM), {QStringLiteral("--help")});
    Usage usage;
    const QRegularExpression option(QStringLiteral("(?<![\\w-])(--?[a-z][a-z-]*)"));
    for (const QString& line : help.out.split(QLatin1Char('\n'))) {
        QStringList words = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() < 2 || words[0] != QLatin1String("zelk-cli")) continue;
        QStringList command;
        for (int i = 1; i < words.size() && words[i].contains(QRegularExpression("^[a-z]+$")); ++i)
            command << words[i];
        usage.commands << command.join(QLatin1Char(' '));
        for (auto it = option.globalMatch(line); it.hasNext();)
            usage.options << it.next().captured(1);
    }
    usage.options.removeDuplicates();
    return usage;
}

TEST(ManPages, CarryTheVersionAndRenderWithoutWarnings) {
    const InstalledTree tree;
    ASSERT_TRUE(tree.ok()) << tree.log().toStdString();
    for (const char* page : {"zelk", "zelk-cli"}) {
        const QString name = QString::fromLatin1(page);
        const QString source = Gunzipped(
            tree.path(QStringLiteral("share/man/man1/") + name + QStringLiteral(".1.gz")));
        ASSERT_FALSE(source.isEmpty()) << page;
        EXPECT_TRUE(source.contains(
            QRegularExpression(QStringLiteral("^\\.TH %1 1 \"\\d{4}-\\d\\d-\\d\\d\" \"Zelk %2\"")
                                   .arg(QRegularExpression::escape(name.toUpper()),
                                        QRegularExpression::escape(QStringLiteral(ZELK_VERSION))),
                               QRegularExpression::MultilineOption)))
            << page;
        EXPECT_FALSE(source.contains(QLatin1Char('@'))) << page << ": a placeholder left unfilled";
        EXPECT_TRUE(MentionsOption(PlainRoff(source), QStringLiteral("--version"))) << page;

        if (!HaveTool(QStringLiteral("groff"))) continue;
        const RunResult render =
            RunProgram(QStringLiteral("groff"),
                       {QStringLiteral("-man"), QStringLiteral("-Tutf8"), QStringLiteral("-K"),
                        QStringLiteral("utf8"), QStringLiteral("-ww"), QStringLiteral("-z")},
                       QProcessEnvironment::systemEnvironment(), source.toUtf8());
        EXPECT_TRUE(render.finished && render.exitCode == 0) << page;
        EXPECT_EQ(render.err, QString()) << page;
    }
}

TEST(ManPages, CliPageDocumentsEveryCommandAndOptionOfTheHelp) {
    const InstalledTree tree;
    ASSERT_TRUE(tree.ok()) << tree.log().toStdString();
    const QString plain =
        PlainRoff(Gunzipped(tree.path(QStringLiteral("share/man/man1/zelk-cli.1.gz"))));
    ASSERT_FALSE(plain.isEmpty());
    const Usage usage = CliUsage();
    ASSERT_GE(usage.commands.size(), 5) << "zelk-cli --help lists too little";
    ASSERT_GE(usage.options.size(), 5);

    // Each command heads an entry of COMMANDS (a ".B"/".BI" line that starts with it).
    const QStringList commands = Section(plain, QStringLiteral("COMMANDS"));
    for (const QString& command : usage.commands) {
        const QRegularExpression heading(QStringLiteral("^\\.BI? ") +
                                         QRegularExpression::escape(command) +
                                         QStringLiteral("(\\s|$)"));
        EXPECT_TRUE(
            std::any_of(commands.begin(), commands.end(),
                        [&](const QString& line) { return heading.match(line).hasMatch(); }))
            << "zelk-cli " << command.toStdString() << " has no entry in the manual page";
    }
    for (const QString& option : usage.options)
        EXPECT_TRUE(MentionsOption(plain, option))
            << option.toStdString() << " is not in the manual page";
    EXPECT_TRUE(MentionsOption(plain, QStringLiteral("--help")));
}

} // namespace
} // namespace zelk::testing
