// CClassView: the client pane (客戶資料). A tool bar across the top, the finder box
// under it and the client tree filling the rest.
#pragma once

#include <QWidget>

class QMenu;
class QToolBar;
class QToolButton;

namespace zelk {

class CMyFinderEdit;
class CViewTree;
class ClientSettings;
class CommandTable;

class CClassView : public QWidget {
    Q_OBJECT
  public:
    CClassView(ClientSettings& settings, CommandTable& commands, QMenu* functionMenu,
               QWidget* parent = nullptr);

    CViewTree* tree() const { return tree_; }
    CMyFinderEdit* finder() const { return finder_; }
    QToolBar* toolBar() const { return toolBar_; }
    QToolButton* functionButton() const { return functionButton_; }

  protected:
    void focusInEvent(QFocusEvent*) override;

  private:
    void createToolBar(CommandTable& commands, QMenu* functionMenu);

    QToolBar* toolBar_ = nullptr;
    QToolButton* functionButton_ = nullptr;
    CMyFinderEdit* finder_ = nullptr;
    CViewTree* tree_ = nullptr;
};

} // namespace zelk
