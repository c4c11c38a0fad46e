#include "about_box.h"

#include "res_text.h"

#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

#include <cstring>

namespace zelk {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kMaxLogoSide = 4096;
constexpr int kTickMs = 250;
constexpr int kBorder = 1;

int32_t ReadLe32(const char* p) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(p[i]);
    return static_cast<int32_t>(v);
}
int ReadLe16(const char* p) {
    return static_cast<uint8_t>(p[0]) | (static_cast<uint8_t>(p[1]) << 8);
}

} // namespace

QImage ReadLogoFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize) return {};
    const char* info = bytes.constData() + kFileHeaderSize;
    const int32_t width = ReadLe32(info + 4);
    const int32_t rawHeight = ReadLe32(info + 8);
    const int bitsPerPixel = ReadLe16(info + 14);
    // A negative height stores the rows top-down; a positive one bottom-up.
    const bool topDown = rawHeight < 0;
    const int64_t height = topDown ? -static_cast<int64_t>(rawHeight) : rawHeight;
    if (width <= 0 || width > kMaxLogoSide || height <= 0 || height > kMaxLogoSide) return {};
    if (bitsPerPixel != 24 && bitsPerPixel != 32) return {};
    const int bytesPerPixel = bitsPerPixel / 8;
    const int64_t stride = (static_cast<int64_t>(width) * bytesPerPixel + 3) / 4 * 4;
    const char* pixels = info + kInfoHeaderSize;
    const int64_t available = bytes.size() - kFileHeaderSize - kInfoHeaderSize;
    if (available < stride * height) return {};

    QImage image(width, static_cast<int>(height), QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const int64_t fileRow = topDown ? y : height - 1 - y;
        const auto* src = reinterpret_cast<const uint8_t*>(pixels + fileRow * stride);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const uint8_t* px = src + x * bytesPerPixel; // blue, green, red
            dst[x] = qRgb(px[2], px[1], px[0]);
        }
    }
    return image;
}

QString AboutVersionLine() {
    return Res(519) + QStringLiteral("3.00.00") + QStringLiteral(".05") +
           QStringLiteral(".20120209");
}

AAboutDialog::AAboutDialog(const QString& logoPath, int tickLimit)
    : QWidget(nullptr, Qt::Popup | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      logo_(ReadLogoFile(logoPath)), tickLimit_(tickLimit) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
    const QSize content = contentSize();
    resize(content.width() + 2 * kBorder, content.height() + 2 * kBorder);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    timerId_ = startTimer(kTickMs);
}

AAboutDialog::~AAboutDialog() {
    if (timerId_) killTimer(timerId_);
}

QSize AAboutDialog::contentSize() const {
    if (logo_.isNull()) return {64, 240};
    return logo_.size();
}

void AAboutDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const QPoint origin(kBorder, kBorder);
    if (!logo_.isNull()) p.drawImage(origin, logo_);
    const QSize content = contentSize();
    const QRect line(origin.x(), origin.y() + content.height() - 120, content.width(), 20);
    p.setPen(Qt::white);
    p.drawText(line, Qt::AlignCenter | Qt::TextSingleLine, AboutVersionLine());
}

void AAboutDialog::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timerId_) return;
    // The limit is compared before the tick is counted, so a limit of 20 closes on
    // the 22nd tick.
    if (tickLimit_ != 0 && tickLimit_ < ticks_) finish();
    ++ticks_;
}

void AAboutDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) finish();
}

void AAboutDialog::keyPressEvent(QKeyEvent*) {
    finish();
}

void AAboutDialog::finish() {
    if (done_) return;
    if (timerId_) killTimer(timerId_);
    timerId_ = 0;
    done_ = true;
    hide();
    emit finished();
}

void ShowAbout(int tickLimit, const QString& logoPath) {
    AAboutDialog box(logoPath, tickLimit);
    box.show();
    box.raise();
    box.activateWindow();
    box.grabMouse();
    box.grabKeyboard();
    QEventLoop loop;
    QObject::connect(&box, &AAboutDialog::finished, &loop, &QEventLoop::quit);
    if (!box.done()) loop.exec();
    box.releaseKeyboard();
    box.releaseMouse();
}

} // namespace zelk
