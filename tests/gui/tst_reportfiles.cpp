#include "reportpanel.h"
#include "windowtest.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace velnorix;

namespace {

// 网络地址:172.16.0.0 and 默认掩码：255.255.0.0 in GBK, with CR LF line ends.
const QByteArray GbkReport("\xCD\xF8\xC2\xE7\xB5\xD8\xD6\xB7:172.16.0.0\r\n"
                           "\xC4\xAC\xC8\xCF\xD1\xDA\xC2\xEB\xA3\xBA"
                           "255.255.0.0\r\n");

const QString TextFilter = QStringLiteral("文本文件(*.txt)");
const QString AllFilesFilter = QStringLiteral("所有文件(*.*)");

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

// Fails on a message box that comes up, and closes it.
void RefuseQuestions()
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + box->text()), __FILE__, __LINE__);
        box->reject();
    }
}

// Answers the next file dialog once it shows, as the user would. Neither a
// question nor a dialog that a failed check leaves open can hang the test.
void WhenDialogShows(const std::function<void(QFileDialog &)> &answer)
{
    QTimer::singleShot(0, [answer] {
        QFileDialog *dialog = nullptr;
        const bool shown = QTest::qWaitFor([&dialog] {
            dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            return dialog != nullptr;
        });
        if (!shown)
            qFatal("no file dialog showed");
        QTimer questions;
        QObject::connect(&questions, &QTimer::timeout, RefuseQuestions);
        questions.start(50);
        answer(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

QLineEdit *FileNameField(const QFileDialog &dialog)
{
    return Child<QLineEdit>(dialog, "fileNameEdit");
}

QComboBox *FilterBox(const QFileDialog &dialog)
{
    return Child<QComboBox>(dialog, "fileTypeCombo");
}

// Enter in the file name field confirms the dialog.
void TypeAndConfirm(QFileDialog &dialog, const QString &name)
{
    FileNameField(dialog)->setText(name);
    QTest::keyClick(FileNameField(dialog), Qt::Key_Return);
}

QStringList Listed(const QFileDialog &dialog)
{
    const QListView *view = Child<QListView>(dialog, "listView");
    QStringList names;
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    names.sort();
    return names;
}

// The text of a PDF file, by the poppler tools; options go before the file.
QString PdfText(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        qFatal("%s failed; it comes with the Debian package poppler-utils", qPrintable(tool));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Lowers the limit on the size of files this process writes, as a full disk
// would, and lifts it again. Writing past it then fails with EFBIG instead of
// ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit limit{bytes, previous.rlim_max};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            qFatal("cannot limit the file size");
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, SIG_DFL);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit previous{};
};

} // namespace

class TestReportFiles : public MainWindowTest {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder;

    QString InFolder(const QString &name) const { return folder->filePath(name); }

    // The panel's lines as it holds them, no-break spaces included.
    QStringList PanelLines() const
    {
        QStringList lines;
        for (QTextBlock block = Memo()->document()->firstBlock(); block.isValid(); block = block.next())
            lines << block.text();
        return lines;
    }

    // Clicks the button and answers its dialog with a typed name.
    void ClickAndType(const char *button, const QString &name)
    {
        WhenDialogShows([name](QFileDialog &dialog) { TypeAndConfirm(dialog, name); });
        Click(button);
    }

    void SaveAs(const QString &name) { ClickAndType("BtnSave", name); }
    void Load(const QString &name) { ClickAndType("BtnLoad", name); }

    void ExpectOffered(const QFileDialog &dialog, const QString &name, const QString &filter)
    {
        QCOMPARE(dialog.directory(), QDir(folder->path()));
        QCOMPARE(FileNameField(dialog)->text(), name);
        QCOMPARE(FileNameField(dialog)->selectedText(), name); // so that typing replaces it
        QCOMPARE(FilterBox(dialog)->currentText(), filter);
    }

    static void BothDialogs()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::newRow("save") << QByteArray("BtnSave");
        QTest::newRow("load") << QByteArray("BtnLoad");
    }

private slots:
    void init()
    {
        StartTest();
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
    }

    void cleanup()
    {
        EndTest();
        folder.reset();
    }

    void savingBeforeAnyReportWritesTheReadyLine()
    {
        Shown();
        SaveAs(InFolder("first")); // typed without an extension
        QCOMPARE(ReadFile(InFolder("first.txt")), QByteArray("\xBE\xCD\xD0\xF7\r\n"));
        QCOMPARE(errors, QStringList());
    }

    void loadingReplacesThePanelAndSavesBack_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("GBK, CR LF") << GbkReport
                                    << QStringList{"网络地址:172.16.0.0", "默认掩码：255.255.0.0", ""} << GbkReport;
        QTest::newRow("LF only") << QByteArray("a\n\nb\n") << QStringList{"a", "", "b", ""}
                                 << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("CR only") << QByteArray("a\rb") << QStringList{"a", "b"} << QByteArray("a\r\nb");
        QTest::newRow("empty") << QByteArray() << QStringList{""} << QByteArray();
        QTest::newRow("UTF-8 with no-break space") << QByteArray("\xEF\xBB\xBF" "a\xC2\xA0" "b") << QStringList{"a\u00A0b"}
                                                   << QByteArray("a\x81\x30\x84\x32" "b");
        // A private-use character GB18030 has no form for is saved as one U+FFFD.
        QTest::newRow("UTF-8, private use") << QByteArray("a\xEE\xA1\x94" "b") << QStringList{"a\uE854b"}
                                            << QByteArray("a\x84\x31\xA4\x37" "b");
        // Bytes that are no character stand as U+FFFD, which is saved as such.
        QTest::newRow("invalid GB18030") << QByteArray("a\x80" "b\xFF\r\n\x81")
                                         << QStringList{"a\uFFFD" "b\uFFFD", "\uFFFD"}
                                         << QByteArray("a\x84\x31\xA4\x37" "b\x84\x31\xA4\x37\r\n\x84\x31\xA4\x37");
    }

    void loadingReplacesThePanelAndSavesBack()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, saved);
        WriteFile(InFolder("in.txt"), file);
        Shown();
        Memo()->setPlainText(QStringLiteral("earlier"));

        Load(InFolder("in.txt"));
        QCOMPARE(PanelLines(), lines);
        SaveAs(InFolder("out.txt"));
        QCOMPARE(ReadFile(InFolder("out.txt")), saved);
        QCOMPARE(errors, QStringList());
    }

    void savingReplacesAnExistingFileWithoutAsking()
    {
        WriteFile(InFolder("old.txt"), "a longer text that was there before");
        Shown();
        Memo()->setPlainText(QStringLiteral("new"));
        SaveAs(InFolder("old.txt"));
        QCOMPARE(ReadFile(InFolder("old.txt")), QByteArray("new"));
    }

    void aMissingFileIsNamedAndThePanelKept()
    {
        Shown();
        Memo()->setPlainText(QStringLiteral("kept"));
        Load(InFolder("missing"));
        QCOMPARE(errors, QStringList{QStringLiteral("Cannot open file ") + InFolder("missing.txt")});
        QCOMPARE(Panel(), QStringLiteral("kept"));
    }

    void aFileThatCannotBeCreatedIsNamedAndThePanelKept()
    {
        const QString path = InFolder("no folder/report.txt");
        Shown();
        Memo()->setPlainText(QStringLiteral("kept"));
        SaveAs(path);
        QCOMPARE(errors, QStringList{QStringLiteral("Cannot create file ") + path});
        QCOMPARE(Panel(), QStringLiteral("kept"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    // Through the application's own error box, as the user meets it.
    void aWriteThatFailsHalfWayShowsTheErrorBoxAndKeepsTheOldFile()
    {
        WriteFile(InFolder("report.txt"), "old");
        Shown();
        Memo()->setPlainText(QString(1000, u'x'));
        SetExceptionHandler([](const std::string &message) { TheApplication->ShowException(message); });
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        ModalWatch watch([&](QWidget &modal) {
            if (auto *dialog = qobject_cast<QFileDialog *>(&modal))
                return TypeAndConfirm(*dialog, InFolder("report.txt"));
            auto *box = qobject_cast<QMessageBox *>(&modal);
            QVERIFY(box);
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        {
            FileSizeLimit limit(100); // the disk fills up after 100 bytes
            Click("BtnSave");
        }
        QCOMPARE(watch.Count(), 2);
        QCOMPARE(text, QStringLiteral("Failed to Save Stream."));
        QCOMPARE(caption, QStringLiteral("Velnorix网络地址计算器2023"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(ReadFile(InFolder("report.txt")), QByteArray("old"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{"report.txt"});
        QCOMPARE(Panel(), QString(1000, u'x'));
    }

    void aFileGoneAfterTheDialogIsNamedAndThePanelKept()
    {
        WriteFile(InFolder("report.txt"), "file");
        Shown();
        Memo()->setPlainText(QStringLiteral("kept"));
        WhenDialogShows([this](QFileDialog &dialog) {
            // Gone once the dialog has accepted the name, before it is read.
            connect(&dialog, &QDialog::accepted, [this] { QFile::remove(InFolder("report.txt")); });
            TypeAndConfirm(dialog, InFolder("report.txt"));
        });
        Click("BtnLoad");
        QCOMPARE(errors, QStringList{QStringLiteral("Cannot open file ") + InFolder("report.txt")});
        QCOMPARE(Panel(), QStringLiteral("kept"));
    }

    void savingThroughALinkReplacesTheFileItNames()
    {
        QVERIFY(QDir(folder->path()).mkdir("real"));
        WriteFile(InFolder("real/report.txt"), "old");
        QVERIFY(QFile::link(QStringLiteral("real/report.txt"), InFolder("link.txt")));
        Shown();
        Memo()->setPlainText(QStringLiteral("new"));
        SaveAs(InFolder("link.txt"));
        QCOMPARE(QFileInfo(InFolder("link.txt")).symLinkTarget(), InFolder("real/report.txt"));
        QCOMPARE(ReadFile(InFolder("real/report.txt")), QByteArray("new"));
        QCOMPARE(errors, QStringList());
    }

    void aNamedPipeIsRefusedWithoutWaiting()
    {
        const QString path = InFolder("pipe.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        Shown();
        Memo()->setPlainText(QStringLiteral("kept"));
        ::alarm(10); // ends the test program should loading wait for a writer
        Load(path);
        ::alarm(0);
        QCOMPARE(errors, QStringList{QStringLiteral("Cannot open file ") + path});
        QCOMPARE(Panel(), QStringLiteral("kept"));
    }

    void aFileOverTheLimitIsRefusedAndThePanelKept()
    {
        const QString path = InFolder("big.txt");
        QFile big(path);
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(64 * 1024 * 1024 + 1)); // sparse: no disk used
        big.close();
        Shown();
        Memo()->setPlainText(QStringLiteral("kept"));
        Load(path);
        QCOMPARE(errors, QStringList{QStringLiteral("文件大于 64 MiB，不能打开：") + path
                                     + QStringLiteral("\nThe file is larger than 64 MiB and cannot be opened: ") + path});
        QCOMPARE(Panel(), QStringLiteral("kept"));
    }

    void cancellingChangesNothing_data() { BothDialogs(); }

    void cancellingChangesNothing()
    {
        QFETCH(QByteArray, button);
        WriteFile(InFolder("report.txt"), "file");
        Shown();
        Memo()->setPlainText(QStringLiteral("kept"));
        WhenDialogShows([this](QFileDialog &dialog) {
            FileNameField(dialog)->setText(InFolder("report.txt"));
            dialog.reject();
        });
        Click(button.constData());
        // Opened again, the dialog offers what it had before: nothing.
        WhenDialogShows([](QFileDialog &dialog) {
            QCOMPARE(FileNameField(dialog)->text(), QString());
            QCOMPARE(dialog.directory(), QDir::current());
        });
        Click(button.constData());
        QCOMPARE(Panel(), QStringLiteral("kept"));
        QCOMPARE(ReadFile(InFolder("report.txt")), QByteArray("file"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{"report.txt"});
        QCOMPARE(errors, QStringList());
    }

    void aDialogOffersTheFileAndFilterLastConfirmed_data() { BothDialogs(); }

    void aDialogOffersTheFileAndFilterLastConfirmed()
    {
        QFETCH(QByteArray, button);
        WriteFile(InFolder("report.txt"), "file");
        Shown();
        WhenDialogShows([this](QFileDialog &dialog) {
            QTest::keyClick(FilterBox(dialog), Qt::Key_Down);
            TypeAndConfirm(dialog, InFolder("report"));
        });
        Click(button.constData());
        WhenDialogShows([this](QFileDialog &dialog) {
            ExpectOffered(dialog, "report.txt", AllFilesFilter);
            QTest::keyClick(FilterBox(dialog), Qt::Key_Up);
            FileNameField(dialog)->setText(QStringLiteral("other"));
            dialog.reject();
        });
        Click(button.constData());
        WhenDialogShows([this](QFileDialog &dialog) { ExpectOffered(dialog, "report.txt", AllFilesFilter); });
        Click(button.constData());
        QCOMPARE(errors, QStringList());
    }

    void eachDialogStartsInTheWorkingFolderWhereverTheOtherWent_data() { BothDialogs(); }

    // Each dialog is built when first opened, after the other may have been
    // to another folder, which Qt would otherwise start the new one in.
    void eachDialogStartsInTheWorkingFolderWhereverTheOtherWent()
    {
        QFETCH(QByteArray, button);
        const char *other = button == "BtnSave" ? "BtnLoad" : "BtnSave";
        WriteFile(InFolder("report.txt"), "file");
        Shown();
        ClickAndType(button.constData(), InFolder("report"));
        WhenDialogShows([](QFileDialog &dialog) {
            QCOMPARE(dialog.directory(), QDir::current());
            QCOMPARE(FileNameField(dialog)->text(), QString());
            dialog.reject();
        });
        Click(other);
        QCOMPARE(errors, QStringList());
    }

    void theCompletionListClosesWithTheDialog()
    {
        WriteFile(InFolder("report.txt"), "file");
        Shown();
        WhenDialogShows([this](QFileDialog &dialog) {
            dialog.setDirectory(folder->path());
            QTRY_COMPARE(Listed(dialog), QStringList{"report.txt"});
            QApplication::setActiveWindow(&dialog);
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            FileNameField(dialog)->setFocus();
            QTest::keyClicks(FileNameField(dialog), QStringLiteral("rep"));
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        });
        Click("BtnLoad");
        QCOMPARE(errors, QStringList{QStringLiteral("Cannot open file ") + InFolder("rep.txt")});
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }

    void filtersListTextFilesOrEveryFile()
    {
        for (const char *name : {"a.txt", "b.log", "notes"})
            WriteFile(InFolder(name), "x");
        Shown();
        WhenDialogShows([this](QFileDialog &dialog) {
            dialog.setDirectory(folder->path());
            QComboBox *filters = FilterBox(dialog);
            QCOMPARE(filters->currentIndex(), 0);
            QCOMPARE(filters->itemText(0), TextFilter);
            QCOMPARE(filters->itemText(1), AllFilesFilter);
            QTRY_COMPARE(Listed(dialog), QStringList{"a.txt"});
            QTest::keyClick(filters, Qt::Key_Down);
            QTRY_COMPARE(Listed(dialog), (QStringList{"a.txt", "b.log", "notes"}));
        });
        Click("BtnLoad");
    }

    void printsTheWholePanelOnPagesFromTheTopLeftCorner()
    {
        Shown();
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("第%1行 line %1").arg(i);
        Memo()->setPlainText(lines.join(u'\n'));
        const QString pdf = InFolder("report.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setDocName(QStringLiteral("earlier job"));

        MemoPrint(Memo(), printer);
        QCOMPARE(printer.docName(), QString());
        QString text = PdfText(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QCOMPARE(text.remove(u'\f').split(u'\n', Qt::SkipEmptyParts), lines);
        const QString info = PdfText(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Title: *$"), QRegularExpression::MultilineOption)),
                 qPrintable(info));
        const auto pages = QRegularExpression(QStringLiteral("^Pages: +(\\d+)$"), QRegularExpression::MultilineOption)
                               .match(info);
        QVERIFY2(pages.captured(1).toInt() > 1, qPrintable(info));

        // The first word stands in the paper's corner, as tall as the panel's
        // 15 pixels (11.25 points) make it with the font's ascent and descent.
        const QString boxes = PdfText(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        const auto first = QRegularExpression(QStringLiteral("xMin=\"([-.\\d]+)\" yMin=\"([-.\\d]+)\" "
                                                             "xMax=\"[-.\\d]+\" yMax=\"([-.\\d]+)\">第1行<"))
                               .match(boxes);
        QVERIFY2(first.hasMatch(), qPrintable(boxes.left(1000)));
        QVERIFY(qAbs(first.captured(1).toDouble()) < 0.5);
        QVERIFY(qAbs(first.captured(2).toDouble()) < 0.5);
        const double height = first.captured(3).toDouble() - first.captured(2).toDouble();
        QVERIFY2(height > 11.25 && height < 11.25 * 1.5, qPrintable(QString::number(height)));
    }

    void aPrinterThatCannotStartSaysSo()
    {
        Shown();
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(InFolder("no folder/report.pdf"));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        try {
            MemoPrint(Memo(), printer);
            QFAIL("printed into a missing folder");
        } catch (const Exception &error) {
            QCOMPARE(error.Message(), std::string("Cannot start the print job"));
        }
    }

    void printingWithoutADefaultPrinterSaysSo()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer, which the test must not print on");
        Shown();
        Click("BtnPrint");
        QCOMPARE(errors, QStringList{QStringLiteral("There is no default printer currently selected")});
    }
};

int main(int argc, char *argv[])
{
    return ExecWithApplication<TestReportFiles>(argc, argv);
}
#include "tst_reportfiles.moc"
