#include "reportpanel.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace velnorix {

namespace {

PanelAppender MemoAppender(const QPlainTextEdit *memo)
{
    return PanelAppender(!memo->document()->lastBlock().text().isEmpty());
}

void MemoInsert(QPlainTextEdit *memo, const PanelAppender &appender)
{
    QTextCursor cursor(memo->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString::fromUtf8(appender.Text()));
    // The caret follows the new text, so the panel shows the latest report.
    memo->setTextCursor(cursor);
}

} // namespace

void MemoAdd(QPlainTextEdit *memo, std::string_view reportText)
{
    PanelAppender appender = MemoAppender(memo);
    appender.Add(reportText);
    MemoInsert(memo, appender);
}

void MemoReplace(QPlainTextEdit *memo, const std::function<void(PanelAppender &)> &report)
{
    MemoClear(memo);
    PanelAppender appender = MemoAppender(memo);
    report(appender);
    MemoInsert(memo, appender);
}

void MemoClear(QPlainTextEdit *memo)
{
    memo->clear();
}

} // namespace velnorix
