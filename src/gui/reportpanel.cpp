#include "reportpanel.h"

#include "panelappend.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace velnorix {

void MemoAdd(QPlainTextEdit *memo, std::string_view reportText)
{
    QTextDocument *document = memo->document();
    PanelAppender appender(!document->lastBlock().text().isEmpty());
    appender.Add(reportText);

    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString::fromUtf8(appender.Text()));
    // The caret follows the new text, so the panel shows the latest report.
    memo->setTextCursor(cursor);
}

void MemoClear(QPlainTextEdit *memo)
{
    memo->clear();
}

} // namespace velnorix
