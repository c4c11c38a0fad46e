// CStarMessageDlg, the 星性說明 dialog: what a clicked star means where it
// stands — the palace, its stem, branch and element, the star's name, the
// explanation of the current explanation set, and the star's nature and
// keyword texts. Every text box is read-only and scrolls, so no text is cut.
#pragma once

#include "chart/chart_record.h"
#include "interpret/star_message_texts.h"
#include "settings/app_settings.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace zelk {

// Dialog and control numbers of the 星性說明 dialog.
namespace StarMessageControl {
inline constexpr int Dialog = 576;
inline constexpr int PalaceLabel = 1042, StemBranch = 1304, PalaceElement = 1048, StarName = 1041,
                     Explanation = 1298, NatureText = 1307, KeywordText = 1306;
} // namespace StarMessageControl

class CStarMessageDlg : public QDialog {
    Q_OBJECT
  public:
    // Shows the texts as given.
    explicit CStarMessageDlg(const StarMessageTexts& texts, QWidget* parent = nullptr);
    // Builds the texts for a star of `chart` from the program's lists and the
    // current explanation set (kind, subKind, index name the star as the
    // explanation lists do).
    CStarMessageDlg(const AppSettings& settings, const ChartBlock& chart, int palaceNumber,
                    int palacePosition, int palaceElement, int kind, int subKind, int index,
                    QWidget* parent = nullptr);

    // The text of control `id` (one of StarMessageControl), as shown.
    QString controlText(int id) const;

  private:
    void build(const StarMessageTexts& texts);
    QLabel* addLabel(int id, const QString& text);
    QPlainTextEdit* addTextBox(int id, const QString& text, int lines);
};

// Opens the dialog modally for a star of the chart.
void ShowStarMessage(QWidget* parent, const AppSettings& settings, const ChartBlock& chart,
                     int palaceNumber, int palacePosition, int palaceElement, int kind, int subKind,
                     int index);

} // namespace zelk
