#include "modalform.h"

#include "windowplacement.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace velnorix {

TModalForm::TModalForm(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

void TModalForm::reject()
{
    done(mrCancel);
}

void TModalForm::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        return;
    QDialog::keyPressEvent(event);
}

// QDialog would centre the window itself, shifted by a guess at the frame's
// size; this places it exactly as the main window is placed.
void TModalForm::showEvent(QShowEvent *event)
{
    CentreOnScreen(*this);
    QDialog::showEvent(event);
}

int ShowModal(QDialog &dialog)
{
    const QPointer<QWidget> active = QApplication::activeWindow();
    const int result = dialog.exec();
    if (active)
        active->activateWindow();
    return result;
}

} // namespace velnorix
