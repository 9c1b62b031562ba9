// The window's parse of two bodies read from files: the time from a click on
// "一键解析" until its model holds the rows, the median of three clicks.
// Prints the seconds and the number of rows as one line of JSON.
//
// Usage: window_parse_bench FIRST_FILE SECOND_FILE (scripts/bench runs it on
// the offscreen platform)
#include "ui/input_text.h"
#include "ui/line_input.h"
#include "ui/main_window.h"
#include "ui/result_table.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The bytes of `path` without one final line feed, as quorrel-cli reads them.
QByteArray bodyOf(const char* path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArray body = file.readAll();
    if (body.endsWith('\n')) {
        body.chop(1);
    }
    return body;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fputs("usage: window_parse_bench FIRST_FILE SECOND_FILE\n", stderr);
        return 2;
    }
    quorrel::ParseLists lists;
    quorrel::MainWindow window(lists);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 2;
    }
    for (const auto& [name, path] : {std::pair{"编辑框1", argv[1]}, std::pair{"编辑框2", argv[2]}}) {
        const QByteArray body = bodyOf(path);
        quorrel::setInputText(*window.findChild<quorrel::LineInput*>(QString::fromUtf8(name)),
                              std::string_view(body.constData(), std::size_t(body.size())));
    }
    QCoreApplication::processEvents();

    auto* parseButton = window.findChild<QPushButton*>(QStringLiteral("按钮3"));
    const QAbstractItemModel& rows = *window.findChild<quorrel::ResultTable*>()->model();
    std::vector<double> seconds;
    for (int click = 0; click < 3; ++click) {
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(parseButton, Qt::LeftButton);
        seconds.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("{\"seconds\": %.4f, \"rows\": %d}\n", seconds[1], rows.rowCount());
    return 0;
}
