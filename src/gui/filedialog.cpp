#include "filedialog.h"

#include <QFile>
#include <QLineEdit>

namespace velnorix {

namespace {

// The dialog shows a filter by its name, the text before the last
// parentheses, and lists the files matching the patterns inside them. To Qt
// "*.*" needs a dot, so the all-files filter matches "*".
const QStringList Filters = {QStringLiteral("文本文件(*.txt) (*.txt)"), QStringLiteral("所有文件(*.*) (*)")};

} // namespace

TFileDialog::TFileDialog(QWidget *parent, const QString &name, AcceptMode mode) : QFileDialog(parent)
{
    setObjectName(name);
    setOptions(DontUseNativeDialog | DontConfirmOverwrite | HideNameFilterDetails);
    setAcceptMode(mode);
    setFileMode(AnyFile);
    setDefaultSuffix(QStringLiteral("txt"));
    setNameFilters(Filters);
    StartFolder = directory().absolutePath();
    ConfirmedFilter = Filters.front();
}

// Qt names the selected filter by its shown name, or in full where it knows
// the details are hidden.
QString TFileDialog::SelectedFilter() const
{
    const QString selected = selectedNameFilter();
    for (const QString &filter : Filters) {
        if (filter.startsWith(selected))
            return filter;
    }
    return Filters.front();
}

std::optional<std::string> TFileDialog::Execute()
{
    if (ConfirmedFile.isEmpty()) {
        setDirectory(StartFolder);
        // Qt has no call that empties the name field, so it is emptied directly.
        if (auto *name = findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->clear();
    } else {
        selectFile(ConfirmedFile);
    }
    selectNameFilter(ConfirmedFilter);
    if (exec() != Accepted)
        return std::nullopt;
    ConfirmedFile = selectedFiles().value(0);
    ConfirmedFilter = SelectedFilter();
    return QFile::encodeName(ConfirmedFile).toStdString();
}

} // namespace velnorix
