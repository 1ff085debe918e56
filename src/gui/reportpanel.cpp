#include "reportpanel.h"

#include "panelappend.h"
#include "reportfile.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace velnorix {

namespace {

// Lines separated by LF. The raw text keeps no-break spaces, which the plain
// text would turn into spaces; a line break typed with Shift+Enter counts as
// a line end like any other.
QString MemoText(const QPlainTextEdit *memo)
{
    QString text = memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return text;
}

} // namespace

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

void MemoSaveToFile(const QPlainTextEdit *memo, const std::string &path)
{
    SaveReportFile(path, MemoText(memo).toStdString());
}

void MemoLoadFromFile(QPlainTextEdit *memo, const std::string &path)
{
    memo->setPlainText(QString::fromStdString(LoadReportFile(path)));
}

} // namespace velnorix
