// The about box, which is also the start-up splash: a borderless top-most window
// showing the logo picture SABOUT.LGO from the program folder with the version line
// over it. A tick limit of 0 keeps it up until a click or a key; the splash uses 20
// ticks of 250 ms and closes on the 22nd tick.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QBasicTimer;

namespace zelk {

// The logo file: a 14-byte file header (skipped), a 40-byte information header
// (width at byte 4, height at byte 8, bits per pixel at byte 14) and the pixel rows
// of a true-colour picture (24 or 32 bits, no colour table). Anything else, a size
// beyond 4096 pixels or a file too short for its rows gives a null image.
QImage ReadLogoFile(const QString& path);

// The version line drawn over the logo: string 519 and the build numbers.
QString AboutVersionLine();

class AAboutDialog : public QWidget {
    Q_OBJECT
  public:
    explicit AAboutDialog(const QString& logoPath, int tickLimit);
    ~AAboutDialog() override;

    bool done() const { return done_; }
    int ticks() const { return ticks_; }
    const QImage& logo() const { return logo_; }
    // Window size without the border: the logo's size, or 64 by 240 without one.
    QSize contentSize() const;

  signals:
    void finished();

  protected:
    void paintEvent(QPaintEvent*) override;
    void timerEvent(QTimerEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

  private:
    void finish();

    QImage logo_;
    int tickLimit_ = 0;
    int ticks_ = 0;
    bool done_ = false;
    int timerId_ = 0;
};

// Builds the about box, runs a local event loop with the mouse captured until it
// closes, then frees it.
void ShowAbout(int tickLimit, const QString& logoPath);

} // namespace zelk
