#include "file_dialogs.h"

#include <QFileDialog>

namespace zelk {

namespace {
FileChooser gChooser;
}

void SetFileChooser(FileChooser chooser) {
    gChooser = std::move(chooser);
}

QStringList QtFiltersOf(const QString& tableFilter) {
    const QStringList parts = tableFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QString name = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        // The pattern in brackets is what Qt matches; a name without one gets it.
        if (!name.contains(QLatin1Char('('))) name += QStringLiteral(" (%1)").arg(pattern);
        name.replace(QStringLiteral(" )"), QStringLiteral(")"));
        filters << name;
    }
    return filters;
}

QString ChooseFile(QWidget* parent, FileDialogKind kind, const QString& title,
                   const QString& tableFilter, int* selectedFilter, const QString& suggestedPath) {
    const QStringList filters = QtFiltersOf(tableFilter);
    if (gChooser) {
        const QString path = gChooser(kind, title);
        if (selectedFilter) {
            *selectedFilter = 0;
            for (int i = 0; i < filters.size(); ++i) {
                const QString ext = filters[i].section(QStringLiteral("*."), 1).section(')', 0, 0);
                if (!ext.isEmpty() && path.endsWith(QLatin1Char('.') + ext, Qt::CaseInsensitive))
                    *selectedFilter = i;
            }
        }
        return path;
    }
    QString chosenFilter;
    const QString joined = filters.join(QStringLiteral(";;"));
    const QString path =
        kind == FileDialogKind::Open
            ? QFileDialog::getOpenFileName(parent, title, suggestedPath, joined, &chosenFilter)
            : QFileDialog::getSaveFileName(parent, title, suggestedPath, joined, &chosenFilter);
    if (selectedFilter) *selectedFilter = qMax(0, static_cast<int>(filters.indexOf(chosenFilter)));
    return path;
}

} // namespace zelk
