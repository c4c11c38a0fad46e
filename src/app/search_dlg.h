// The delete-client dialog (CSearchDlg, dialog 551 "刪除個人資料") and its pick list
// (CSearchListDlg, dialog 552) for several clients of one name.
//
// List modes (顯示所有姓名, 使用姓氏查詢): 確定 deletes the client chosen in the name
// list, found again by name and number. Full-name mode (使用全名查詢): the name
// typed is searched in full without regard to letter case, every client of that
// name is offered in the pick list, and the one chosen there is deleted.
#pragma once

#include "clients/client_messages.h"
#include "clients/client_record.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace zelk {

class CViewTree;
struct AppContext;

class CSearchListDlg : public QDialog {
    Q_OBJECT
  public:
    CSearchListDlg(const QString& name, const QStringList& lines, QWidget* parent = nullptr);
    int chosenRow() const;
    QListWidget* list() const { return list_; }

    // Tests choose instead of a person: the row to delete, or -1 to cancel.
    using Chooser = std::function<int(const QStringList& lines)>;
    static void SetChooser(Chooser chooser);
    // Runs the dialog (or the chooser); the chosen row or -1.
    static int Choose(const QString& name, const QStringList& lines, QWidget* parent);

  private:
    QListWidget* list_ = nullptr;
};

// One line of the pick list.
QString PickListLine(const tagUserInfo& client, int yearDisplay);

class CSearchDlg : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { AllNames, Surname, FullName };

    CSearchDlg(CViewTree& tree, AppContext& context, int32_t currentId, QWidget* parent = nullptr);

    void chooseMode(Mode mode);
    void search();
    // 確定: deletes as the mode says; closes with OK when something was decided.
    void confirm();

    Mode mode() const { return mode_; }
    QLineEdit* searchBox() const { return searchBox_; }
    QComboBox* nameList() const { return names_; }
    QPushButton* searchButton() const { return searchButton_; }
    QWidget* control(int id) const;

  signals:
    void deletionResult(const ClientStoreResult& result);

  private:
    struct Entry {
        QString name;
        int32_t id = 0;
    };
    QString displayName(const tagUserInfo& client) const;
    void fillAll(int32_t preferredId);
    void fillSurname();
    void showEntries(int selected);
    void deleteAt(int position);
    void confirmListMode();
    void confirmFullName();

    CViewTree& tree_;
    AppContext& context_;
    int32_t currentId_ = 0;
    Mode mode_ = Mode::AllNames;
    std::vector<Entry> entries_;
    QLineEdit* searchBox_ = nullptr;
    QRadioButton* surname_ = nullptr;
    QRadioButton* fullName_ = nullptr;
    QRadioButton* allNames_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QComboBox* names_ = nullptr;
};

} // namespace zelk
