#include "ui/program_lifecycle.h"

#include "ui/main_window.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace quorrel {
namespace {

constexpr int fatalExitStatus = -1;

}  // namespace

int startProgram(char* programName)
{
    // Qt takes options of its own from a command line; the program takes
    // none, so Qt sees only the program's name.
    int argumentCount = 1;
    char* arguments[] = {programName, nullptr};
    QApplication application(argumentCount, arguments);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quorrel.Quorrel"));

    std::unique_ptr<ParseLists> lists = createLists();
    int status = 0;
    {
        const std::unique_ptr<MainWindow> window = openMainWindow(*lists);
        status = QApplication::exec();
    }
    releaseLists(std::move(lists));
    return status;
}

std::unique_ptr<ParseLists> createLists()
{
    return std::make_unique<ParseLists>();
}

void releaseLists(std::unique_ptr<ParseLists> lists)
{
    lists.reset();
}

QString fatalErrorText(const QString& message)
{
    return QStringLiteral("运行时出错!\r\n\r\n错误信息：") + message + QStringLiteral("\r\n");
}

void fatalError(const QString& message)
{
    static bool stopping = false;
    if (stopping) {
        std::_Exit(fatalExitStatus);
    }
    stopping = true;
    const QString text = fatalErrorText(message);
    if (QApplication::instance() == nullptr) {
        std::fputs(text.toLocal8Bit().constData(), stderr);
    } else {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), text, QMessageBox::Ok);
        box.exec();
    }
    std::_Exit(fatalExitStatus);
}

}  // namespace quorrel
