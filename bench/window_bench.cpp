// The window's two costs that a user feels, measured on the platform named by
// QT_QPA_PLATFORM (offscreen unless set):
//
// 1. The subnet button with 65,536 groups: from the click to the end of the
//    report painted in the panel, scrolled to its end; then how soon the
//    window takes a key press, and the memory the panel keeps for the report.
// 2. Start-up: from starting the program to its first painted main window,
//    against an empty QMainWindow with the same window flags, both from this
//    one program, so built alike, started in turns; and the peak memory of
//    the program at that moment.
//
// `window_bench [rounds]` runs both, with that many start-ups of each kind
// (11 unless given), and prints the figures and the two goal lines;
// `--start main|empty|label` is one start-up, run as a child of the benchmark.

#include "UAboutBox.h"
#include "UMain.h"
#include "UVisitePhone.h"
#include "application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string_view>
#include <vector>

using namespace velnorix;

namespace {

// Five headings and four panel lines per group, the first empty, and the
// empty line after the last break.
constexpr int ReportLines = 5 + 4 * 65536 + 1;
constexpr double SubnetGoalSeconds = 1.5;
constexpr double PanelGoalMiB = 200;
// The window answers input "right after" when a key press is handled within
// a tenth of a second of the painted report, less than a user notices.
constexpr double InputGoalMs = 100;
constexpr double StartRatioGoal = 1.3;
constexpr double StartPeakGoalMiB = 45;

// Nanoseconds on the clock that all processes share, so that a child's
// moment can be set against its parent's.
std::int64_t Now()
{
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return std::int64_t{time.tv_sec} * 1'000'000'000 + time.tv_nsec;
}

// A field of /proc/self/status in KiB: VmRSS now, VmHWM the peak so far.
double StatusMiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

const char *Verdict(bool met)
{
    return met ? "met" : "NOT met";
}

// Runs `then` right after the widget's next paint has been done, inside the
// same event: the moment the user sees the new picture.
class AfterPaint : public QObject {
public:
    AfterPaint(QWidget &widget, std::function<void()> then) : then(std::move(then)) { widget.installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        watched->removeEventFilter(this);
        watched->event(event);
        then();
        return true;
    }

private:
    std::function<void()> then;
};

struct SubnetFigures {
    double clickToPaintSeconds = 0;
    double inputAfterPaintMs = 0; // from the painted end to a handled key press
    double panelMiB = 0;          // resident memory the report added
    bool scrolledToEnd = false;
    int blocks = 0; // the panel's lines when it was painted
};

SubnetFigures MeasureSubnetClick()
{
    TFrmMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the main window was not shown");
    window.findChild<QLineEdit *>(QStringLiteral("EditIPSegCount"))->setText(QStringLiteral("65536"));
    window.findChild<QLineEdit *>(QStringLiteral("EditBeginNum"))->setText(QStringLiteral("8"));
    window.findChild<QLineEdit *>(QStringLiteral("EditBegIp"))->setText(QStringLiteral("10.0.0.0"));
    auto *memo = window.findChild<QPlainTextEdit *>(QStringLiteral("Memo"));
    auto *typed = window.findChild<QLineEdit *>(QStringLiteral("EditNum"));
    QTest::qWait(50);

    SubnetFigures figures;
    const double before = StatusMiB("VmRSS");
    bool answered = false;
    QElapsedTimer clock;
    QObject::connect(typed, &QLineEdit::textEdited, [&] {
        figures.inputAfterPaintMs = clock.nsecsElapsed() / 1e6;
        answered = true;
    });
    AfterPaint painted(*memo->viewport(), [&] {
        figures.clickToPaintSeconds = clock.nsecsElapsed() / 1e9;
        figures.blocks = memo->document()->blockCount(); // the whole report, not a paint before it
        const QScrollBar *bar = memo->verticalScrollBar();
        figures.scrolledToEnd = bar->value() == bar->maximum()
                                && memo->viewport()->rect().contains(memo->cursorRect().center());
        clock.restart();
        typed->setFocus();
        QCoreApplication::postEvent(typed, new QKeyEvent(QEvent::KeyPress, Qt::Key_9, Qt::NoModifier, QStringLiteral("9")));
    });
    clock.start();
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("BtnComputeSubNet")), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return answered; }, 60'000))
        qFatal("the report was not painted, or the window took no key press");
    figures.panelMiB = StatusMiB("VmRSS") - before;
    return figures;
}

void PrintStartAndExit()
{
    std::printf("%lld %.2f\n", static_cast<long long>(Now()), StatusMiB("VmHWM"));
    std::fflush(stdout);
    std::_Exit(0);
}

// One start-up, in a child: prints the moment of the first painted window and
// the peak memory until then, and ends without tearing down, which is not
// part of starting.
int StartOnce(int argc, char *argv[], std::string_view kind)
{
    if (kind == "main") {
        // As the program's own main does it.
        TApplication application(argc, argv);
        application.SetTitle(QStringLiteral("Velnorix网络地址计算器2023"));
        application.CreateForm(FrmMain);
        application.CreateForm(FrmVisitePhone);
        application.CreateForm(AboutBox);
        AfterPaint painted(*FrmMain, PrintStartAndExit);
        application.Run();
        return 0;
    }
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Not a goal, a yardstick: the least a window that shows Chinese text
    // pays, finding and loading its fonts, which the empty one never does.
    if (kind == "label")
        window.setCentralWidget(new QLabel(QStringLiteral("网络地址")));
    AfterPaint painted(window, PrintStartAndExit);
    window.show();
    return QApplication::exec();
}

struct Start {
    double seconds;
    double peakMiB;
};

Start TimeStart(const char *kind)
{
    QProcess child;
    const std::int64_t started = Now();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--start"), QString::fromLatin1(kind)});
    if (!child.waitForFinished(60'000) || child.exitCode() != 0)
        qFatal("the %s start-up failed: %s", kind, child.readAllStandardError().constData());
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2)
        qFatal("the %s start-up printed no figures", kind);
    return {(fields[0].toLongLong() - started) / 1e9, fields[1].toDouble()};
}

int Measure(int argc, char *argv[], int rounds)
{
    QApplication application(argc, argv);
    const SubnetFigures subnet = MeasureSubnetClick();

    // In turns, so that a busy machine slows each kind alike; the first start
    // of each kind fills the file cache and is not counted.
    const char *kinds[] = {"main", "empty", "label"};
    std::vector<double> times[3], peaks;
    for (int round = -1; round < rounds; ++round) {
        for (int kind = 0; kind < 3; ++kind) {
            const Start start = TimeStart(kinds[kind]);
            if (round < 0)
                continue;
            times[kind].push_back(start.seconds);
            if (kind == 0)
                peaks.push_back(start.peakMiB);
        }
    }
    const double mainStart = Median(times[0]), emptyStart = Median(times[1]), labelStart = Median(times[2]);
    const double peak = Median(peaks);

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("subnet click, 65,536 groups (%d lines painted), to the painted end: %.3f s%s\n", subnet.blocks,
                subnet.clickToPaintSeconds, subnet.scrolledToEnd ? "" : " (NOT scrolled to the end)");
    std::printf("key press handled after that paint:     %.1f ms\n", subnet.inputAfterPaintMs);
    std::printf("resident memory the report added:        %.1f MiB\n", subnet.panelMiB);
    std::printf("start-up to the first paint, median of %d: main window %.1f ms, empty QMainWindow %.1f ms,\n"
                "    QMainWindow with one Chinese label %.1f ms (main window %.2f x that)\n",
                rounds, mainStart * 1e3, emptyStart * 1e3, labelStart * 1e3, mainStart / labelStart);
    std::printf("peak memory at the first paint:          %.1f MiB\n", peak);

    const bool subnetMet = subnet.scrolledToEnd && subnet.blocks == ReportLines
                           && subnet.clickToPaintSeconds < SubnetGoalSeconds
                           && subnet.panelMiB < PanelGoalMiB && subnet.inputAfterPaintMs < InputGoalMs;
    const double ratio = mainStart / emptyStart;
    std::printf("goal 2: window, 65,536 groups painted in %.2f s (< %.1f), panel %.0f MiB (< %.0f), "
                "input after %.0f ms (< %.0f): %s\n",
                subnet.clickToPaintSeconds, SubnetGoalSeconds, subnet.panelMiB, PanelGoalMiB, subnet.inputAfterPaintMs,
                InputGoalMs, Verdict(subnetMet));
    std::printf("goal 3: start-up %.2f x empty QMainWindow (<= %.1f), peak %.1f MiB (< %.0f): %s\n", ratio,
                StartRatioGoal, peak, StartPeakGoalMiB, Verdict(ratio <= StartRatioGoal && peak < StartPeakGoalMiB));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the children inherit it
    if (argc == 3 && std::string_view(argv[1]) == "--start")
        return StartOnce(argc, argv, argv[2]);
    const int rounds = argc == 2 ? std::atoi(argv[1]) : 11;
    return Measure(argc, argv, rounds);
}
