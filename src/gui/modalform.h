#pragma once

#include <QDialog>

namespace velnorix {

// The results a small window's modal showing ends with.
enum TModalResult { mrOk = QDialog::Accepted, mrCancel = 2 };

// A small window shown modally over the calculator, with a dialog frame that
// holds a close box only; its layout fixes its size, and it opens in the
// middle of the screen, as the main window does. Closing it, by the close
// box or by code, ends the showing with mrCancel. Esc does nothing: none of
// these windows has a cancel button, so Qt's habit of closing a dialog on Esc
// does not apply.
class TModalForm : public QDialog {
    Q_OBJECT

public:
    explicit TModalForm(QWidget *parent);

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
};

// Shows a dialog modally, then hands the keyboard back to the window that had
// it, also where no window manager does that (a bare X server). Returns the
// dialog's result.
int ShowModal(QDialog &dialog);

} // namespace velnorix
