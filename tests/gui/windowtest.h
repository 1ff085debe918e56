#pragma once

#include "UMain.h"
#include "exceptions.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

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

// What the window tests share: the main window, shown and active, and the
// messages that the application's error box would have shown. Each test
// starts without a settings file and leaves none behind.
class WindowTest : public QObject {
protected:
    std::unique_ptr<velnorix::TFrmMain> window;
    QStringList errors;

    void StartTest()
    {
        // A handler bound by name that does not resolve only logs a warning.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("connect|[Nn]o such|[Nn]o matching")));
        QFile::remove(IniPath());
        errors.clear();
        velnorix::SetExceptionHandler(
            [this](const std::string &message) { errors << QString::fromStdString(message); });
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
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("the main window did not become active");
        return *window;
    }

    QPlainTextEdit *Memo() const { return Child<QPlainTextEdit>(*window, "Memo"); }
    QString Panel() const { return Memo()->toPlainText(); }
    void Click(const char *button) { QTest::mouseClick(Child<QPushButton>(*window, button), Qt::LeftButton); }
};
