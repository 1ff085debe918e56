#include "application.h"

#include "exceptions.h"
#include "modalform.h"

#include <QIcon>
#include <QMessageBox>

namespace velnorix {

TApplication::TApplication(int &argc, char **argv) : Application(argc, argv)
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/velnorix.xpm")));
    SetExceptionHandler([this](const std::string &message) { ShowException(message); });
}

// The newest window goes first, so the main window is destroyed last; its
// settings are written then, and an error doing so still gets its box.
TApplication::~TApplication()
{
    while (!Forms.empty())
        Forms.pop_back();
    SetExceptionHandler({});
}

void TApplication::Run()
{
    if (Forms.empty())
        return;
    Forms.front()->show();
    QApplication::exec();
}

namespace {
// A refusal quotes the field's text whole, and a pasted mebibyte took Qt
// seconds to lay out in a box no wider than the screen; past this many
// characters, the box shows the text's start and end around an ellipsis.
constexpr qsizetype LongestBoxText = 1000;

QString BoxText(const std::string &message)
{
    const QString text = QString::fromStdString(ExceptionBoxText(message));
    if (text.size() <= LongestBoxText)
        return text;
    qsizetype headEnd = LongestBoxText / 2;
    qsizetype tailStart = text.size() - LongestBoxText / 2;
    if (text[headEnd - 1].isHighSurrogate()) // never half a character
        --headEnd;
    if (text[tailStart].isLowSurrogate())
        ++tailStart;
    return text.first(headEnd) + u'…' + text.sliced(tailStart);
}
} // namespace

void TApplication::ShowException(const std::string &message) const
{
    QMessageBox box(QMessageBox::Critical, Title, BoxText(message), QMessageBox::Ok, QApplication::activeWindow());
    ShowModal(box);
}

} // namespace velnorix
