// CMyFinderEdit: the one-line finder box of the client pane. It takes at most 8
// typed characters; an empty finder shows the hint text, which is cleared (and
// everything shown) when the box gets the focus. Every change of the text applies
// the finder at once.
#pragma once

#include <QLineEdit>

namespace zelk {

inline constexpr int kFinderMaxChars = 8;

class CMyFinderEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit CMyFinderEdit(QWidget* parent = nullptr);

    static QString HintText();
    // The stored finder text, or the hint when it is empty.
    void startWith(const QString& storedText);
    // The text to store (the hint is stored as it is shown).
    QString textToStore() const { return text(); }

  protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace zelk
