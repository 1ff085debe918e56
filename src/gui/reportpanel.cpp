#include "reportpanel.h"

#include "exceptions.h"
#include "reportfile.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
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

// The panel's font is sized in screen pixels; on paper it keeps the size it
// shows on the screen.
QFont PrintFont(const QPlainTextEdit *memo)
{
    QFont font = memo->font();
    if (font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / memo->logicalDpiY());
    return font;
}

// Laid out on the printer itself, in pages of its printable area; a line that
// would cross the foot of a page starts the next one.
void LayOutPages(QTextDocument &document, const QPlainTextEdit *memo, QPrinter &printer)
{
    document.setDocumentMargin(0);
    document.setDefaultFont(PrintFont(memo));
    document.setPlainText(MemoText(memo));
    document.documentLayout()->setPaintDevice(&printer);
    document.setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
}

void PrintPages(QTextDocument &document, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        throw Exception("Cannot start the print job");
    const QSizeF pageSize = document.pageSize();
    for (int index = 0; index < document.pageCount(); ++index) {
        if (index > 0)
            printer.newPage();
        const QRectF area(QPointF(0, index * pageSize.height()), pageSize);
        painter.save();
        painter.translate(0, -area.top());
        document.drawContents(&painter, area);
        painter.restore();
    }
}

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

void MemoSaveToFile(const QPlainTextEdit *memo, const std::string &path)
{
    SaveReportFile(path, MemoText(memo).toStdString());
}

void MemoLoadFromFile(QPlainTextEdit *memo, const std::string &path)
{
    memo->setPlainText(QString::fromStdString(LoadReportFile(path)));
}

void MemoPrint(const QPlainTextEdit *memo, QPrinter &printer)
{
    printer.setDocName(QString());
    // The printer's own margins only: the text covers the whole printable area.
    const QPageLayout page = printer.pageLayout();
    printer.setPageMargins(page.minimumMargins(), page.units());

    QTextDocument document;
    LayOutPages(document, memo, printer);
    PrintPages(document, printer);
}

} // namespace velnorix
