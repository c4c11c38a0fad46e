// The three side panes created hidden with the main window and reachable from the
// pane menu: 輸出, 屬性 and 檔案檢視. Nothing of the system reads or writes them;
// they hold fixed sample entries.
#pragma once

#include <QWidget>

class QListWidget;
class QTabWidget;
class QTreeWidget;

namespace zelk {

class COutputWnd : public QWidget {
    Q_OBJECT
  public:
    explicit COutputWnd(QWidget* parent = nullptr);
    QTabWidget* tabs() const { return tabs_; }

  signals:
    void hideRequested(); // 隱藏 (149) of the list's context menu

  private:
    QListWidget* addList(const QString& title);
    void showListMenu(QListWidget* list, const QPoint& at);
    QTabWidget* tabs_ = nullptr;
};

class CPropertiesWnd : public QWidget {
    Q_OBJECT
  public:
    explicit CPropertiesWnd(QWidget* parent = nullptr);

  private:
    QTreeWidget* grid_ = nullptr;
};

class CFileView : public QWidget {
    Q_OBJECT
  public:
    explicit CFileView(QWidget* parent = nullptr);

  private:
    QTreeWidget* tree_ = nullptr;
};

} // namespace zelk
