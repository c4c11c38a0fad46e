// The user's own four-transformation table (used while FourHuaType is 3).
//
// CEditFourHua, 編輯四化 (dialog 611), shows the whole table on a copy: ten rows
// 甲 ... 癸, columns 祿 權 科 忌, each cell the name of its star or empty. A row's
// 修改 button opens CEditSkyFourHua, 修改四化 (dialog 612), on that row. 確定
// stores the copy as UserDefinedFourHuaData and only then puts it into
// AppSettings; a failed write says so and leaves both as they were. Open charts
// are not computed again: they take the table at their next computation.
//
// The same star may receive several transformations of one stem; nothing stops it.
#pragma once

#include "settings/four_hua_tables.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLineEdit;

namespace zelk {

struct AppContext;

// The name of a cell's star, empty for an empty cell or one whose star has no
// place in the table (numbers 25-31 read from a file).
QString FourHuaCellText(uint32_t mask);

// 修改四化: one stem's four stars, each a FourHuaStarNumber 0-24 or -1 for none.
class CEditSkyFourHua : public QDialog {
    Q_OBJECT
  public:
    using Row = std::array<int, 4>;
    CEditSkyFourHua(int stem, const Row& stars, QWidget* parent = nullptr);

    // The four selections (-1 where a list has none).
    Row selections() const;
    QWidget* control(int controlId) const;
    // 回復預設值: the stem's stars of the default table.
    void restoreDefaults();

  private:
    void select(const Row& stars);

    int stem_;
    std::array<QComboBox*, 4> combos_{};
};

class CEditFourHua : public QDialog {
    Q_OBJECT
  public:
    explicit CEditFourHua(AppContext& context, QWidget* parent = nullptr);

    const FourHuaTable& table() const { return table_; }
    QWidget* control(int controlId) const;
    // The row button of stem s: runs the row editor and takes its answer.
    void editRow(int stem);
    // What the row editor's 確定 does: stars -1 give empty cells.
    void setRow(int stem, const CEditSkyFourHua::Row& stars);
    // 回復預設值: the whole copy becomes the default table.
    void restoreDefaults();

    void accept() override;

  private:
    void showCells();

    AppContext& context_;
    FourHuaTable table_;
    std::array<std::array<QLineEdit*, 4>, 10> cells_{};
};

} // namespace zelk
