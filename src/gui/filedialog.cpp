#include "filedialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QLineEdit>

namespace velnorix {

namespace {

// The dialog shows a filter by its name, the text before the last
// parentheses, and lists the files matching the patterns inside them. To Qt
// "*.*" needs a dot, so the all-files filter matches "*".
const QStringList Filters = {QStringLiteral("文本文件(*.txt) (*.txt)"), QStringLiteral("所有文件(*.*) (*)")};

} // namespace

TFileDialog::TFileDialog(QWidget *parent, const QString &name, AcceptMode mode, const QString &startFolder)
    : QFileDialog(parent), StartFolder(startFolder)
{
    setObjectName(name);
    setOptions(DontUseNativeDialog | DontConfirmOverwrite | HideNameFilterDetails);
    setAcceptMode(mode);
    setFileMode(AnyFile);
    setDefaultSuffix(QStringLiteral("txt"));
    setNameFilters(Filters);
    // Qt's own file name field: null, and left alone, should a Qt version name it otherwise.
    NameField = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ConfirmedFilter = Filters.front();
}

std::optional<std::string> TFileDialog::Execute()
{
    if (ConfirmedFile.isEmpty())
        setDirectory(StartFolder);
    else
        selectFile(ConfirmedFile);
    selectNameFilter(ConfirmedFilter);
    OfferConfirmedName();
    const bool confirmed = exec() == Accepted;
    CloseCompletions();
    if (!confirmed)
        return std::nullopt;
    ConfirmedFile = selectedFiles().value(0);
    ConfirmedFilter = SelectedFilter();
    return QFile::encodeName(ConfirmedFile).toStdString();
}

// Qt has no call for either: the name field starts empty while no file has
// been confirmed, and its text is offered selected, so that typing replaces it.
void TFileDialog::OfferConfirmedName()
{
    if (!NameField)
        return;
    if (ConfirmedFile.isEmpty())
        NameField->clear();
    NameField->selectAll();
}

// Enter pressed while the name field lists completions confirms the dialog,
// but Qt leaves the list open on top of the window.
void TFileDialog::CloseCompletions()
{
    if (NameField && NameField->completer())
        NameField->completer()->popup()->hide();
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

} // namespace velnorix
