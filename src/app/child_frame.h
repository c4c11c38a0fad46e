// CChildFrame: one chart window inside the main window's tabbed area. It owns the
// chart document and shows it in the chart widget; its tab shows the document title.
#pragma once

#include <QMdiSubWindow>

#include <memory>

namespace zelk {

class CZelkDoc;
class CZelkView;
struct AppContext;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
  public:
    explicit CChildFrame(AppContext& context, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CZelkDoc* document() const { return doc_.get(); }
    CZelkView* view() const { return view_; }
    // Repaints the chart after its record changed.
    void chartChanged();

  signals:
    // The client lines of the centre block were clicked: edit this chart's client.
    void modifyClientRequested();

  public:
    // Set once the window is closing: it no longer counts as an open chart.
    bool closing() const { return closing_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void attachInteraction(AppContext& context);
    // The title names the level on display ("流年盤 : 王小明").
    void followShownLevel();

  private:
    std::unique_ptr<CZelkDoc> doc_;
    CZelkView* view_ = nullptr;
    bool closing_ = false;
};

} // namespace zelk
