// Tool-bar customisation (自訂...): which command buttons the client pane's tool
// bar, the standard tool bar and the user's own tool bars carry, the dialog that
// changes them, and how the choice is kept in the per-user store.
#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;
class QSettings;

namespace zelk {

class CommandTable;

struct ToolBarLayout {
    QString name;              // object name of the tool bar ("clientPaneToolBar", ...)
    QString title;             // shown in the dialog and on the tool bar's handle
    std::vector<int> commands; // buttons in order
    bool userMade = false;     // made in the dialog: it can be removed again
};

// The pane's buttons after the 各項功能 menu button, which always stays first (the
// command menu would be out of reach without it).
std::vector<int> DefaultPaneButtons();
std::vector<int> DefaultStandardButtons();

// "57600,32818" <-> numbers; commands the table does not know and repeats are left
// out, so a list written by another version never puts an empty button up.
std::vector<int> ParseCommandList(const QString& text, const CommandTable& table);
QString FormatCommandList(const std::vector<int>& commands);

// The stored buttons of a built-in bar (the defaults when nothing is stored), and
// the stored user bars (names and titles from the user range 59432-59441).
std::vector<int> LoadToolBarButtons(QSettings& store, const QString& name,
                                    const std::vector<int>& defaults, const CommandTable& table);
std::vector<ToolBarLayout> LoadUserToolBars(QSettings& store, const CommandTable& table);
void SaveToolBarLayouts(QSettings& store, const std::vector<ToolBarLayout>& layouts);

// The object name of the user bar with identifier `id` (59432-59441).
QString UserToolBarName(int id);

class CCustomizeDlg : public QDialog {
    Q_OBJECT
  public:
    // `defaults` gives, per built-in bar name, the buttons 回復預設值 puts back.
    CCustomizeDlg(const CommandTable& table, std::vector<ToolBarLayout> layouts,
                  std::vector<ToolBarLayout> defaults, QWidget* parent = nullptr);

    const std::vector<ToolBarLayout>& layouts() const { return layouts_; }

    QComboBox* barChooser() const { return bars_; }
    QListWidget* commandList() const { return available_; }
    QListWidget* buttonList() const { return buttons_; }

    // The steps the buttons take, callable by tests as by the buttons.
    void chooseBar(int index);
    void addChosenCommand(); // the command chosen on the left goes after the chosen button
    void removeChosenButton();
    void moveChosenButton(int step); // -1 up, +1 down
    void restoreDefaultButtons();
    // A new user bar with this title; false when all ten are in use.
    bool addUserToolBar(const QString& title);
    void removeUserToolBar();

  private:
    void fillAvailable();
    void showButtons();
    void followChoice();
    ToolBarLayout& current();

    const CommandTable& table_;
    std::vector<ToolBarLayout> layouts_;
    std::vector<ToolBarLayout> defaults_;
    QComboBox* bars_ = nullptr;
    QListWidget* available_ = nullptr;
    QListWidget* buttons_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* newBar_ = nullptr;
    QPushButton* deleteBar_ = nullptr;
};

} // namespace zelk
