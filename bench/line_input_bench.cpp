// Editing figures of the one-line inputs the window could use, on form
// bodies of 1 MB and 10 MB: a key press until the input is repainted, with
// the caret at the start, the middle and the end; a caret-blink repaint; a
// paste until shown; the memory the input holds per character; and the
// processor time an idle window with the focus in the input takes.
//
// Without arguments it runs every candidate at every size, each in a fresh
// process of its own so that memory figures do not mix, and prints one
// line of JSON per run. With "CANDIDATE MEGABYTES" it measures that one.
#include "ui/line_input.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <Qsci/qsciscintilla.h>

#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// A candidate input: how to make it, fill it, place its caret, and which
// widget paints its text.
struct Candidate {
    const char* name;
    std::function<QWidget*()> create;
    std::function<void(QWidget*, const QString&)> setText;
    std::function<void(QWidget*, qsizetype)> setCaret;
    std::function<QWidget*(QWidget*)> paintedWidget;
};

QWidget* itself(QWidget* widget)
{
    return widget;
}

const std::vector<Candidate>& candidates()
{
    static const std::vector<Candidate> all = {
        {"LineInput", [] { return new quorrel::LineInput; },
         [](QWidget* w, const QString& t) { static_cast<quorrel::LineInput*>(w)->setText(t); },
         [](QWidget* w, qsizetype p) { static_cast<quorrel::LineInput*>(w)->setCursorPosition(p); }, itself},
        {"QLineEdit",
         [] {
             auto* edit = new QLineEdit;
             edit->setMaxLength(std::numeric_limits<int>::max());
             return edit;
         },
         [](QWidget* w, const QString& t) { static_cast<QLineEdit*>(w)->setText(t); },
         [](QWidget* w, qsizetype p) { static_cast<QLineEdit*>(w)->setCursorPosition(static_cast<int>(p)); },
         itself},
        {"QPlainTextEdit",
         [] {
             auto* edit = new QPlainTextEdit;
             edit->setLineWrapMode(QPlainTextEdit::NoWrap);
             edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
             edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
             return edit;
         },
         [](QWidget* w, const QString& t) { static_cast<QPlainTextEdit*>(w)->setPlainText(t); },
         [](QWidget* w, qsizetype p) {
             auto* edit = static_cast<QPlainTextEdit*>(w);
             QTextCursor cursor = edit->textCursor();
             cursor.setPosition(static_cast<int>(p));
             edit->setTextCursor(cursor);
         },
         [](QWidget* w) { return static_cast<QPlainTextEdit*>(w)->viewport(); }},
        {"QScintilla",
         [] {
             auto* edit = new QsciScintilla;
             edit->setWrapMode(QsciScintilla::WrapNone);
             edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
             edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
             edit->setMarginWidth(1, 0);
             return edit;
         },
         [](QWidget* w, const QString& t) { static_cast<QsciScintilla*>(w)->setText(t); },
         [](QWidget* w, qsizetype p) {
             static_cast<QsciScintilla*>(w)->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(p));
         },
         [](QWidget* w) { return static_cast<QsciScintilla*>(w)->viewport(); }},
    };
    return all;
}

// A form body of `characters` ASCII characters: "field000000=<16 hex>&...".
QString formBody(qsizetype characters)
{
    QString body;
    body.reserve(characters + 32);
    for (int i = 0; body.size() < characters; ++i) {
        body += QStringLiteral("field%1=%2&").arg(i, 6, 10, QLatin1Char('0')).arg(quint64(i) * 0x9E3779B97F4A7C15ULL, 16, 16, QLatin1Char('0'));
    }
    body.truncate(characters);
    return body;
}

long residentBytes()
{
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong() * 1024;
        }
    }
    return -1;
}

double processorMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto milliseconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    };
    return milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
}

// The median of `run`'s times in ms: three runs, or fewer when the first
// already takes over a second.
double medianMilliseconds(const std::function<void()>& run)
{
    std::vector<double> times;
    QElapsedTimer clock;
    do {
        clock.start();
        run();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    } while (times.size() < 3 && times.front() < 1000);
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QJsonObject measure(const Candidate& candidate, int megabytes)
{
    const qsizetype characters = qsizetype{megabytes} * 1'000'000;
    QWidget window;
    window.resize(560, 60);
    QWidget* input = candidate.create();
    input->setParent(&window);
    input->setGeometry(8, 14, 544, 32);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return {};
    }
    input->setFocus();
    QWidget* painted = candidate.paintedWidget(input);
    QCoreApplication::processEvents();

    QJsonObject figures{{"candidate", candidate.name}, {"megabytes", megabytes}};
    // The memory the input holds after a paste, once the clipboard and the
    // pasted text are gone again.
    const long emptyBytes = residentBytes();
    QGuiApplication::clipboard()->setText(formBody(characters));
    figures["pasteMs"] = medianMilliseconds([&] {
        candidate.setText(input, QString());
        QTest::keySequence(input, QKeySequence::Paste);
        painted->repaint();
    });
    QGuiApplication::clipboard()->clear();
    QCoreApplication::processEvents();
    figures["bytesPerCharacter"] = double(residentBytes() - emptyBytes) / double(characters);

    candidate.setText(input, formBody(characters));
    QCoreApplication::processEvents();
    for (const auto& [where, position] : {std::pair{"Start", qsizetype{0}}, std::pair{"Middle", characters / 2},
                                          std::pair{"End", characters}}) {
        candidate.setCaret(input, position);
        painted->repaint();
        figures[QStringLiteral("keyAt%1Ms").arg(where)] = medianMilliseconds([&] {
            QTest::keyClick(input, Qt::Key_X);
            painted->repaint();
        });
    }

    const QRect caret = input->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QRect blink(painted->mapFrom(input, caret.topLeft()), caret.size());
    figures["blinkMs"] = medianMilliseconds([&] { painted->repaint(blink); });

    // Three seconds of the event loop with nothing to do but blink the caret.
    QEventLoop idle;
    QTimer::singleShot(3000, &idle, &QEventLoop::quit);
    const double before = processorMilliseconds();
    idle.exec();
    figures["idleProcessorMsPerSecond"] = (processorMilliseconds() - before) / 3;
    return figures;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3) {
        for (const Candidate& candidate : candidates()) {
            if (arguments[1] == QLatin1StringView(candidate.name)) {
                const QJsonObject figures = measure(candidate, arguments[2].toInt());
                std::puts(QJsonDocument(figures).toJson(QJsonDocument::Compact).constData());
                return 0;
            }
        }
        return 2;
    }
    for (const Candidate& candidate : candidates()) {
        for (const char* megabytes : {"1", "10"}) {
            QProcess run;
            run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            run.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(candidate.name), QString::fromLatin1(megabytes)});
            run.waitForFinished(-1);
            std::fputs(run.readAllStandardOutput().constData(), stdout);
            std::fflush(stdout);
        }
    }
    return 0;
}
