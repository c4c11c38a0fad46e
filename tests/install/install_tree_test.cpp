// What `cmake --install` lays down: the programs, their data files under
// share/zelk, and the desktop integration that a menu, a file manager and a
// software centre read.
#include "install_support.h"
#include "zelk_version.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace zelk::testing {
namespace {

const QString kAppId = QStringLiteral(ZELK_APP_ID);

// The "key=value" lines of the [Desktop Entry] group.
QMap<QString, QString> DesktopEntry(const QString& text) {
    QMap<QString, QString> entry;
    bool inGroup = false;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('['))) inGroup = line == QLatin1String("[Desktop Entry]");
        const int eq = line.indexOf(QLatin1Char('='));
        if (inGroup && eq > 0) entry.insert(line.left(eq), line.mid(eq + 1));
    }
    return entry;
}

// The text of every element with that name, in document order.
QStringList ElementTexts(const QString& xml, const QString& name, QString* error = nullptr) {
    QStringList texts;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == name)
            texts << reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    if (error && reader.hasError()) *error = reader.errorString();
    return texts;
}

TEST(InstalledTree, HoldsTheProgramsTheirDataFilesAndTheDesktopFiles) {
    const InstalledTree tree;
    ASSERT_TRUE(tree.ok()) << tree.log().toStdString();

    for (const char* program : {"bin/zelk", "bin/zelk-cli"}) {
        const QFileInfo info(tree.path(QString::fromLatin1(program)));
        EXPECT_TRUE(info.isFile() && info.isExecutable()) << program;
    }
    // Nothing but the programs in bin/: an installed program keeps its data elsewhere.
    EXPECT_EQ(QDir(tree.path(QStringLiteral("bin"))).entryList(QDir::Files, QDir::Name),
              QStringList({QStringLiteral("zelk"), QStringLiteral("zelk-cli")}));

    // Every data file the build puts beside the programs is installed in share/zelk.
    const QDir buildBin(QFileInfo(QStringLiteral(ZELK_PROGRAM)).absolutePath());
    const QStringList dataFiles =
        buildBin.entryList({QStringLiteral("solar_terms.dat"), QStringLiteral("SABOUT.LGO"),
                            QStringLiteral("starExplain_*_Star.txt")},
                           QDir::Files);
    EXPECT_GE(dataFiles.size(), 3);
    for (const QString& name : dataFiles)
        EXPECT_TRUE(QFileInfo(tree.path(QStringLiteral("share/zelk/") + name)).isFile())
            << name.toStdString();

    for (const QString& file :
         {QStringLiteral("share/applications/") + kAppId + QStringLiteral(".desktop"),
          QStringLiteral("share/mime/packages/zelk-kvy.xml"),
          QStringLiteral("share/metainfo/") + kAppId + QStringLiteral(".metainfo.xml"),
          QStringLiteral("share/man/man1/zelk.1.gz"),
          QStringLiteral("share/man/man1/zelk-cli.1.gz"),
          QStringLiteral("share/doc/zelk/copyright"),
          QStringLiteral("share/doc/zelk/changelog.gz")})
        EXPECT_TRUE(QFileInfo(tree.path(file)).isFile()) << file.toStdString();
}

TEST(InstalledTree, IconsAreDrawnAtTheSizesTheirFoldersName) {
    const InstalledTree tree;
    ASSERT_TRUE(tree.ok()) << tree.log().toStdString();
    const QDir hicolor(tree.path(QStringLiteral("share/icons/hicolor")));
    const QRegularExpression sizeFolder(QStringLiteral("^(\\d+)x(\\d+)$"));
    QSet<int> sizes;
    for (const QString& folder : hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const auto m = sizeFolder.match(folder);
        if (!m.hasMatch()) continue;
        const int size = m.captured(1).toInt();
        ASSERT_EQ(size, m.captured(2).toInt()) << folder.toStdString();
        const QString path = hicolor.filePath(folder + QStringLiteral("/apps/") + kAppId + ".png");
        const QImage icon(path);
        ASSERT_FALSE(icon.isNull()) << path.toStdString();
        EXPECT_EQ(icon.size(), QSize(size, size)) << path.toStdString();
        ASSERT_TRUE(icon.hasAlphaChannel()) << path.toStdString();
        // The rounded tile leaves the corners clear; the star in the middle is opaque
        // and purple (red and blue above green).
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << path.toStdString();
        const QRgb centre = icon.pixel(size / 2, size / 2);
        EXPECT_EQ(qAlpha(centre), 255) << path.toStdString();
        EXPECT_GT(qRed(centre), qGreen(centre)) << path.toStdString();
        EXPECT_GT(qBlue(centre), qGreen(centre)) << path.toStdString();
        sizes.insert(size);
    }
    // Menus ask for 16-48, software centres for 64 and 128.
    for (int wanted : {16, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(wanted)) << wanted;

    // The scalable icon is well-formed SVG whose every paint reference is defined.
    const QString svg =
        ReadText(hicolor.filePath(QStringLiteral("scalable/apps/") + kAppId + ".svg"));
    QXmlStreamReader reader(svg);
    QSet<QString> ids, references;
    int shapes = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) continue;
        const auto attributes = reader.attributes();
        if (reader.name() == QLatin1String("svg")) {
            EXPECT_EQ(attributes.value(QLatin1String("viewBox")).toString(),
                      QStringLiteral("0 0 256 256"));
        }
        if (attributes.hasAttribute(QLatin1String("id")))
            ids.insert(attributes.value(QLatin1String("id")).toString());
        for (const char* paint : {"fill", "stroke"}) {
            const auto m = QRegularExpression(QStringLiteral("^url\\(#(.+)\\)$"))
                               .match(attributes.value(QLatin1String(paint)).toString());
            if (m.hasMatch()) references.insert(m.captured(1));
        }
        if (QStringList({"rect", "circle", "polygon"}).contains(reader.name().toString())) ++shapes;
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_GT(shapes, 3);
    for (const QString& reference : references)
        EXPECT_TRUE(ids.contains(reference)) << reference.toStdString();
}

TEST(InstalledTree, MenuEntryFileTypeIconAndMetainfoNameTheSameThings) {
    const InstalledTree tree;
    ASSERT_TRUE(tree.ok()) << tree.log().toStdString();
    const auto entry = DesktopEntry(
        ReadText(tree.path(QStringLiteral("share/applications/") + kAppId + ".desktop")));
    ASSERT_FALSE(entry.isEmpty());
    // The menu starts an installed program with the file it was given.
    const QStringList exec = entry.value(QStringLiteral("Exec")).split(QLatin1Char(' '));
    ASSERT_EQ(exec.size(), 2);
    EXPECT_TRUE(QFileInfo(tree.path(QStringLiteral("bin/") + exec[0])).isExecutable());
    EXPECT_EQ(exec[1], QStringLiteral("%f"));
    // Its icon exists in the theme.
    const QString icon = entry.value(QStringLiteral("Icon"));
    EXPECT_TRUE(QFileInfo(tree.path(QStringLiteral("share/icons/hicolor/48x48/apps/") + icon +
                                    QStringLiteral(".png")))
                    .isFile())
        << icon.toStdString();
    // The file type it opens is the one the MIME package defines for ".kvy".
    const QString mime = ReadText(tree.path(QStringLiteral("share/mime/packages/zelk-kvy.xml")));
    QXmlStreamReader reader(mime);
    QString mimeType, glob;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) continue;
        if (reader.name() == QLatin1String("mime-type"))
            mimeType = reader.attributes().value(QLatin1String("type")).toString();
        if (reader.name() == QLatin1String("glob"))
            glob = reader.attributes().value(QLatin1String("pattern")).toString();
    }
    EXPECT_FALSE(reader.hasError());
    EXPECT_EQ(glob, QStringLiteral("*.kvy"));
    EXPECT_TRUE(entry.value(QStringLiteral("MimeType")).split(QLatin1Char(';')).contains(mimeType))
        << mimeType.toStdString();

    // The metainfo names the menu entry, the programs, the file type and this version.
    const QString metainfo =
        ReadText(tree.path(QStringLiteral("share/metainfo/") + kAppId + ".metainfo.xml"));
    QString error;
    EXPECT_EQ(ElementTexts(metainfo, QStringLiteral("id"), &error), QStringList{kAppId});
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(ElementTexts(metainfo, QStringLiteral("launchable")),
              QStringList{kAppId + QStringLiteral(".desktop")});
    for (const QString& binary : ElementTexts(metainfo, QStringLiteral("binary")))
        EXPECT_TRUE(QFileInfo(tree.path(QStringLiteral("bin/") + binary)).isExecutable())
            << binary.toStdString();
    EXPECT_EQ(ElementTexts(metainfo, QStringLiteral("mediatype")), QStringList{mimeType});
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<release version=\"" ZELK_VERSION "\"")));
}

TEST(InstalledTree, DesktopFilesPassTheirValidators) {
    const InstalledTree tree;
    ASSERT_TRUE(tree.ok()) << tree.log().toStdString();
    if (!HaveTool(QStringLiteral("desktop-file-validate")) ||
        !HaveTool(QStringLiteral("appstreamcli")))
        GTEST_SKIP() << "desktop-file-utils or appstream not installed";

    // Clean means clean: no errors, no warnings, no hints.
    const RunResult desktop =
        RunProgram(QStringLiteral("desktop-file-validate"),
                   {tree.path(QStringLiteral("share/applications/") + kAppId + ".desktop")});
    EXPECT_TRUE(desktop.finished && desktop.exitCode == 0);
    EXPECT_EQ(desktop.out + desktop.err, QString());

    const RunResult appstream = RunProgram(
        QStringLiteral("appstreamcli"),
        {QStringLiteral("validate"), QStringLiteral("--no-net"), QStringLiteral("--no-color"),
         tree.path(QStringLiteral("share/metainfo/") + kAppId + ".metainfo.xml")});
    EXPECT_TRUE(appstream.finished && appstream.exitCode == 0) << appstream.out.toStdString();
    EXPECT_FALSE(appstream.out.contains(
        QRegularExpression(QStringLiteral("^[EWI]:"), QRegularExpression::MultilineOption)))
        << appstream.out.toStdString();

    // The MIME package compiles into a database that knows ".kvy".
    if (!HaveTool(QStringLiteral("update-mime-database"))) return;
    const QString mimeDir = tree.path(QStringLiteral("share/mime"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_DIRS"), tree.path(QStringLiteral("share")));
    const RunResult mime = RunProgram(QStringLiteral("update-mime-database"), {mimeDir}, env);
    EXPECT_TRUE(mime.finished && mime.exitCode == 0) << mime.err.toStdString();
    EXPECT_EQ(mime.err, QString());
    EXPECT_TRUE(ReadText(mimeDir + QStringLiteral("/globs2"))
                    .contains(QStringLiteral(":application/x-zelk-clients:*.kvy")));
}

TEST(InstalledTree, InstalledCliFindsItsDataFilesInShare) {
    const InstalledTree tree;
    ASSERT_TRUE(tree.ok()) << tree.log().toStdString();
    QProcessEnvironment env = WithoutDisplay();
    env.remove(QStringLiteral("ZELK_DATA_DIR"));
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    env.insert(QStringLiteral("HOME"), tree.home());
    // bin/ holds no solar_terms.dat: the term of the moment comes from share/zelk.
    const RunResult demo = RunProgram(
        tree.path(QStringLiteral("bin/zelk-cli")),
        {QStringLiteral("demo"), QStringLiteral("2026-02-04"), QStringLiteral("12:00")}, env);
    ASSERT_TRUE(demo.finished);
    EXPECT_EQ(demo.exitCode, 0) << demo.err.toStdString();
    EXPECT_TRUE(demo.out.contains(QStringLiteral("節氣 : 立春"))) << demo.out.toStdString();
    const RunResult term =
        RunProgram(tree.path(QStringLiteral("bin/zelk-cli")),
                   {QStringLiteral("terms"), QStringLiteral("2026"), QStringLiteral("2")}, env);
    EXPECT_EQ(term.exitCode, 0);
    EXPECT_TRUE(term.out.contains(QStringLiteral("\"name\":\"立春\""))) << term.out.toStdString();
}

} // namespace
} // namespace zelk::testing
