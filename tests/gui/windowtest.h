#pragma once

// Helpers shared by the window tests, which run on the offscreen platform.

#include "UMain.h"
#include "application.h"
#include "exceptions.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <memory>

// The named component of a window; a missing one ends the test run, as every
// later check would fail for the same reason.
// The settings file of the program under test: the test executable's own.
inline QString IniPath()
{
    return QCoreApplication::applicationFilePath() + QStringLiteral(".ini");
}

template <class T>
T *Child(const QObject &parent, const char *name)
{
    T *child = parent.findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no component %s", name);
    return child;
}

// Shows the window and gives it the keyboard, as a click on it would.
inline void ShowActive(QWidget &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        qFatal("the window %s did not become active", qPrintable(window.objectName()));
}

// For init(): a handler bound by name in a layout that does not resolve only
// logs a warning; this makes it fail the test.
inline void FailOnUnboundHandlers()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("connect|[Nn]o such|[Nn]o matching")));
}

// Collects what the application's error box would have shown; cleanup()
// hands errors back with SetExceptionHandler({}).
inline void CollectErrors(QStringList &errors)
{
    errors.clear();
    velnorix::SetExceptionHandler([&errors](const std::string &message) { errors << QString::fromStdString(message); });
}

// The fixture of a window test that provokes no error: a handler that does
// not bind fails the test, and so does an error box.
class WindowTest : public QObject {
    Q_OBJECT

protected:
    QStringList errors; // what the application's error box would have shown

protected slots:
    void init()
    {
        FailOnUnboundHandlers();
        CollectErrors(errors);
    }

    void cleanup()
    {
        velnorix::SetExceptionHandler({});
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    }
};

// The fixture of the main window's tests: the main window, shown and active,
// and the messages that the application's error box would have shown, which
// each test checks itself. Each test starts without a settings file and
// leaves none behind.
class MainWindowTest : public QObject {
protected:
    std::unique_ptr<velnorix::TFrmMain> window;
    QStringList errors;

    void StartTest()
    {
        FailOnUnboundHandlers();
        QFile::remove(IniPath());
        CollectErrors(errors);
    }

    void EndTest()
    {
        window.reset();
        velnorix::SetExceptionHandler({});
        QFile::remove(IniPath());
    }

    velnorix::TFrmMain &Shown()
    {
        window = std::make_unique<velnorix::TFrmMain>();
        ShowActive(*window);
        return *window;
    }

    QPlainTextEdit *Memo() const { return Child<QPlainTextEdit>(*window, "Memo"); }
    QString Panel() const { return Memo()->toPlainText(); }
    void Click(const char *button) { QTest::mouseClick(Child<QPushButton>(*window, button), Qt::LeftButton); }
};

// Acts on each modal window the code under test opens, from inside the
// exec() that would otherwise block the test. The action must close the
// window, or it is acted on again.
class ModalWatch {
public:
    using Action = std::function<void(QWidget &modal)>;

    explicit ModalWatch(Action action) : act(std::move(action))
    {
        QObject::connect(&poll, &QTimer::timeout, [this] { Check(); });
        poll.start(10);
    }

    // How many modal windows came up while watched.
    int Count() const { return count; }

private:
    Action act;
    QTimer poll;
    int count = 0;

    void Check()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        ++count;
        poll.stop(); // the action may wait for events, which would run this again
        ShowActive(*modal);
        act(*modal);
        if (modal->isVisible()) {
            QTest::qFail("the modal window stayed open", __FILE__, __LINE__);
            modal->hide(); // ends its exec(), so the run goes on
        }
        poll.start();
    }
};

// The buttons of a window's frame that the program asked for.
inline Qt::WindowFlags FrameButtons(const QWidget &window)
{
    return window.windowFlags()
           & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint
              | Qt::WindowCloseButtonHint);
}

// Centred to the pixel: odd sizes leave half a pixel either way.
inline bool CentredOnScreen(const QRect &geometry)
{
    const QPoint offset = geometry.center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    return qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1;
}

// How a user ends a modal window's showing.
enum class Closing { Button, Enter, CloseBox };
Q_DECLARE_METATYPE(Closing)

struct ModalShowing {
    int result = -1;           // what exec() returned
    bool openAfterEsc = false; // still open after Esc, which is pressed first
    QRect geometry;            // where the window stood
};

// Shows the dialog modally, presses Esc, then ends the showing the given way;
// `button` names the button to click.
inline ModalShowing ShowAndClose(QDialog &dialog, Closing closing, const char *button)
{
    ModalShowing showing;
    ModalWatch watch([&](QWidget &modal) {
        showing.geometry = modal.geometry();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        showing.openAfterEsc = modal.isVisible();
        if (!showing.openAfterEsc)
            return;
        switch (closing) {
        case Closing::Button:
            QTest::mouseClick(Child<QPushButton>(modal, button), Qt::LeftButton);
            break;
        case Closing::Enter:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            break;
        case Closing::CloseBox: // what the window system sends when its close box is clicked
            modal.windowHandle()->close();
            break;
        }
    });
    showing.result = dialog.exec();
    return showing;
}

// The program's own application object around a test program, so that its
// error box can be shown as the user meets it.
inline velnorix::TApplication *TheApplication = nullptr;

template <class Test>
int ExecWithApplication(int argc, char *argv[])
{
    velnorix::TApplication application(argc, argv);
    application.SetTitle(QStringLiteral("Velnorix网络地址计算器2023"));
    TheApplication = &application;
    Test test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
