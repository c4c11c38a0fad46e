// Working with a chart by mouse: the controller behind a CZelkView. It watches
// the view's viewport (an event filter, so the view itself needs no code for
// it), finds what a press hits — a level button, the stem strip, a star name, a
// palace's stem corner or period line, the centre block — and acts: it writes
// the period chosen into the chart record, has the period chart computed, and
// tells the view to repaint. While the mouse moves it shows the hand cursor over
// every position a press would act on.
//
// Right-button displays (star links, a palace's flying transformations) last
// as long as the button is held. A release the view never sees (the button let
// go over another window) ends them at the next release, press or button-less
// move the view does see, so the chart is never left painted in a held state.
#pragma once

#include "chart/chart_engine.h"
#include "chart/chart_record.h"
#include "settings/app_settings.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QUrl>

#include <array>
#include <functional>

class QMouseEvent;

namespace zelk {

class CZelkView;

// A first-grade star the user clicked, as the star dialog needs it.
struct StarClick {
    const ChartBlock* block = nullptr; // the block shown
    int palacePosition = -1;           // 0 寅 .. 11 丑
    int palaceNumber = 0;              // 1 命宮 .. 12 父母, 0 none
    int palaceElement = -1;            // 0 水 .. 4 火
    int starNumber = -1;               // FourHuaStarNumber 0 紫微 .. 24 天鉞
};

// How the controller reaches the rest of the program. Every function may be
// empty; the defaults are noted.
struct ChartInteractionHooks {
    // Computes the period chart of `level` (1-6) into record.periodChart with the
    // settings given (a copy whose UsePanParm may be switched off) and sets the
    // document title. Empty: ComputePeriodChart over a chart environment made of
    // those settings, `now` and the system clock.
    std::function<ChartResult(ChartRecord& record, int level, const AppSettings& settings)>
        computePeriod;
    // Opens the client modify dialog for the chart's client.
    std::function<void()> modifyClient;
    // The present moment, re-read before every press (late 子 already moved to the
    // next lunar day). Empty: read from the system clock.
    std::function<CurrentTime()> now;
    // Shows the star explanation. Empty: the 星性說明 dialog, modal.
    std::function<void(const StarClick&)> showStar;
    // Opens a web page. Empty: the system browser.
    std::function<void(const QUrl&)> openUrl;
    // Tells the user why a period could not be computed. Empty: a warning box.
    std::function<void(const QString&)> report;
    // Loads the explanation texts of a level (after a paint shows a new level).
    // Empty: the process-wide sets from the program's data folders.
    std::function<void(int level)> loadExplanations;
};

// The two pages the logo strip of the centre block links to.
QUrl LeftLogoUrl();
QUrl RightLogoUrl();

class CChartInteraction : public QObject {
    Q_OBJECT
  public:
    // Watches `view`, which must outlive nothing: the controller is the view's
    // child and goes with it. Record and settings must outlive the view.
    CChartInteraction(CZelkView* view, ChartRecord* record, const AppSettings* settings,
                      ChartInteractionHooks hooks = {});

    // Attaches a controller to a view; the view owns it.
    static CChartInteraction* attach(CZelkView* view, ChartRecord* record,
                                     const AppSettings* settings, ChartInteractionHooks hooks = {});

    // Press handling at a point in viewport coordinates (the scroll position is
    // added here), as a mouse press there would do.
    void press(QPoint viewportPoint, Qt::MouseButton button);
    void releaseRight();
    // Whether a press at the point would act (the hand cursor is shown there).
    bool isActiveAt(QPoint viewportPoint) const;
    // The tooltip at the point: what a press there does, what a star or the
    // legend means; empty where there is nothing to say.
    QString toolTipAt(QPoint viewportPoint) const;

    int stripStem() const { return stripStem_; }
    bool rightButtonDown() const { return rightDown_; }

    // Level button i (0-6) pressed: the level's period is chosen and computed.
    void chooseLevel(int level);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Hit;
    Hit hitAt(QPoint viewportPoint) const;

    void pressButton(const Hit& hit);
    void pressStrip(int stem);
    void pressStar(const Hit& hit, Qt::MouseButton button);
    void pressStemCorner(int palace);
    void pressPeriodLine(const Hit& hit);
    void pressCentre(const Hit& hit);

    bool choosePeriodOfLevel(int level, int previousLevel);
    void computeAndShow(int level, const AppSettings& settings, const ChartRecord& before);
    void endHeldDisplays();
    void followStripStem();
    void beforePaint();
    void updateCursor(QPoint viewportPoint);
    void repaint();

    const ChartBlock& shownBlock() const;
    int findTenYearPalace(int age) const;
    CurrentTime presentMoment();
    ChartResult computePeriod(int level, const AppSettings& settings);

    CZelkView* view_;
    // The watched viewport, kept apart from the view: while the view is being
    // destroyed its viewport still sends events, and the view may no longer be asked.
    QWidget* viewport_;
    ChartRecord* record_;
    const AppSettings* settings_;
    ChartInteractionHooks hooks_;
    CurrentTime now_;
    bool rightDown_ = false;
    int stripStem_ = -1;
    bool cornerHeld_ = false; // the flying display comes from a held stem corner
    // The levels whose period the user has chosen in this window (picker or palace).
    std::array<bool, 7> chosen_{};
};

} // namespace zelk
