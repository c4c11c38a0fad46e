// The logo file reader and the about box's ticks, click and key.
#include "app/about_box.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace zelk {
namespace {

void PutLe32(QByteArray& b, int at, int32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A logo file of width x height with `bits` per pixel; the first pixel row in the
// file (the bottom row) is red, every other row blue.
QByteArray LogoBytes(int width, int height, int bits, int cutBytes = 0) {
    const int bpp = bits / 8;
    const int stride = (width * bpp + 3) / 4 * 4;
    QByteArray b(14 + 40 + stride * std::abs(height), '\0');
    b[0] = 'B';
    b[1] = 'M';
    PutLe32(b, 14, 40);
    PutLe32(b, 18, width);
    PutLe32(b, 22, height);
    b[14 + 12] = 1;
    b[14 + 14] = static_cast<char>(bits);
    for (int row = 0; row < std::abs(height); ++row)
        for (int x = 0; x < width; ++x) {
            char* px = b.data() + 54 + row * stride + x * bpp;
            px[0] = row == 0 ? 0 : static_cast<char>(255); // blue
            px[2] = row == 0 ? static_cast<char>(255) : 0; // red
        }
    b.chop(cutBytes);
    return b;
}

QString WriteFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("SABOUT.LGO"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

TEST(ReadLogoFile, ReadsBottomUpAndTopDownRows) {
    QTemporaryDir dir;
    QImage image = ReadLogoFile(WriteFile(dir, LogoBytes(5, 3, 24)));
    ASSERT_EQ(image.size(), QSize(5, 3));
    EXPECT_EQ(image.pixel(4, 2), qRgb(255, 0, 0)); // first file row is the bottom
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));

    image = ReadLogoFile(WriteFile(dir, LogoBytes(3, -2, 32)));
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(1, 0), qRgb(255, 0, 0)); // negative height: top-down
}

TEST(ReadLogoFile, RefusesWhatItCannotShow) {
    QTemporaryDir dir;
    EXPECT_TRUE(ReadLogoFile(dir.filePath(QStringLiteral("missing.LGO"))).isNull());
    EXPECT_TRUE(ReadLogoFile(WriteFile(dir, LogoBytes(5, 3, 24, 1))).isNull()); // rows cut short
    EXPECT_TRUE(ReadLogoFile(WriteFile(dir, LogoBytes(5, 3, 8))).isNull());     // palette image
    EXPECT_TRUE(ReadLogoFile(WriteFile(dir, LogoBytes(5, 3, 24).left(40))).isNull());
    QByteArray huge = LogoBytes(2, 2, 24);
    PutLe32(huge, 18, 100000); // announces far more pixels than the file holds
    PutLe32(huge, 22, 100000);
    EXPECT_TRUE(ReadLogoFile(WriteFile(dir, huge)).isNull());
    QByteArray zero = LogoBytes(2, 2, 24);
    PutLe32(zero, 18, 0);
    EXPECT_TRUE(ReadLogoFile(WriteFile(dir, zero)).isNull());
}

TEST(AboutBox, WithoutLogoKeepsTheDefaultSize) {
    AAboutDialog box(QStringLiteral("/nonexistent/SABOUT.LGO"), 0);
    EXPECT_TRUE(box.logo().isNull());
    EXPECT_EQ(box.contentSize(), QSize(64, 240));
    EXPECT_EQ(box.size(), QSize(66, 242));
}

TEST(AboutBox, SplashClosesOnTheTwentySecondTick) {
    AAboutDialog box(QString(), 20);
    box.show();
    QElapsedTimer clock;
    clock.start();
    while (!box.done() && clock.elapsed() < 10000)
        QTest::qWait(50);
    ASSERT_TRUE(box.done());
    EXPECT_EQ(box.ticks(), 22);
    EXPECT_GE(clock.elapsed(), 5000);
}

TEST(AboutBox, ClickOrKeyClosesAtOnce) {
    AAboutDialog clicked(QString(), 0);
    clicked.show();
    QTest::mouseClick(&clicked, Qt::LeftButton);
    EXPECT_TRUE(clicked.done());

    AAboutDialog keyed(QString(), 0);
    keyed.show();
    QTest::keyClick(&keyed, Qt::Key_Space);
    EXPECT_TRUE(keyed.done());

    AAboutDialog rightClicked(QString(), 0);
    rightClicked.show();
    QTest::mouseClick(&rightClicked, Qt::RightButton);
    EXPECT_FALSE(rightClicked.done());
}

} // namespace
} // namespace zelk
