#pragma once

#include <QFileDialog>

#include <optional>
#include <string>

class QLineEdit;

namespace velnorix {

// The dialog in which the user picks a report file to save or to load. It is
// Qt's own dialog, so it looks and behaves the same on every desktop: suffix
// ".txt" added to a typed name without one, a text-file and an all-files
// filter, no question before a file is replaced, and any typed name taken (in
// the open dialog too, so that a missing file gets its error message). Each
// time it opens it offers the file and filter last confirmed in it during the
// run; what a cancelled run changed is forgotten.
class TFileDialog : public QFileDialog {
    Q_OBJECT

public:
    // The dialog opens in startFolder until a file has been confirmed in it.
    TFileDialog(QWidget *parent, const QString &name, AcceptMode mode, const QString &startFolder);

    // Shows the dialog modally: the full path of the confirmed file, or
    // nothing when the user cancels.
    std::optional<std::string> Execute();

private:
    void OfferConfirmedName();
    void CloseCompletions();
    QString SelectedFilter() const;

    QLineEdit *NameField;
    QString StartFolder;
    QString ConfirmedFile;
    QString ConfirmedFilter;
};

} // namespace velnorix
