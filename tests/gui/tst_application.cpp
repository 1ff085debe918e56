#include "windowtest.h"

#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace velnorix;

namespace {
struct ShownBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// What the error box shows for a message, closed by its OK button.
ShownBox ShowError(const std::string &message)
{
    ShownBox shown;
    ModalWatch watch([&](QWidget &modal) {
        auto *box = qobject_cast<QMessageBox *>(&modal);
        QVERIFY(box);
        shown = {box->windowTitle(), box->text(), box->icon()};
        box->button(QMessageBox::Ok)->click();
    });
    TheApplication->ShowException(message);
    if (watch.Count() != 1)
        QTest::qFail("no error box came up", __FILE__, __LINE__);
    return shown;
}
} // namespace

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void theBoxShowsTheMessageWithItsFullStop()
    {
        const ShownBox shown = ShowError("'x' is not a valid integer value");
        QCOMPARE(shown.text, QStringLiteral("'x' is not a valid integer value."));
        QCOMPARE(shown.caption, QStringLiteral("Velnorix网络地址计算器2023"));
        QCOMPARE(shown.icon, QMessageBox::Critical);
    }

    // A pasted mebibyte is quoted by its start and end, at once rather than
    // after seconds of laying out text that no screen could show.
    void aHugeMessageShowsItsStartAndEnd_data()
    {
        QTest::addColumn<QString>("quoted");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("digits") << QString(1 << 20, u'7') << QStringLiteral("'") + QString(499, u'7')
                                << QString(469, u'7') + QStringLiteral("' is not a valid integer value.");
        // "𝟕" is two UTF-16 units: a cut between them would show as boxes.
        QTest::newRow("characters beyond 16 bits")
            << QStringLiteral("𝟕").repeated(1 << 19) << QStringLiteral("'") + QStringLiteral("𝟕").repeated(249)
            << QStringLiteral("𝟕").repeated(234) + QStringLiteral("' is not a valid integer value.");
    }

    void aHugeMessageShowsItsStartAndEnd()
    {
        QFETCH(QString, quoted);
        QFETCH(QString, start);
        QFETCH(QString, end);
        const ShownBox shown = ShowError(QStringLiteral("'%1' is not a valid integer value").arg(quoted).toStdString());
        QCOMPARE(shown.text, start + u'…' + end);
    }
};

int main(int argc, char *argv[])
{
    return ExecWithApplication<TestApplication>(argc, argv);
}
#include "tst_application.moc"
