// File dialogs with the string table's filters ("name(*.ext)|*.ext||" pairs).
// Tests install a chooser that answers instead of a person.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace zelk {

// "A(*.a)|*.a|B(*.b)|*.b||" -> the Qt filters "A(*.a)", "B(*.b)".
QStringList QtFiltersOf(const QString& tableFilter);

enum class FileDialogKind { Open, Save };
// Returns the chosen path, empty when cancelled. `selectedFilter` (may be null)
// receives the index of the filter in use. `suggestedPath`, when given, is the
// folder and file name the dialog opens with.
QString ChooseFile(QWidget* parent, FileDialogKind kind, const QString& title,
                   const QString& tableFilter, int* selectedFilter = nullptr,
                   const QString& suggestedPath = QString());

using FileChooser = std::function<QString(FileDialogKind kind, const QString& title)>;
void SetFileChooser(FileChooser chooser);

} // namespace zelk
