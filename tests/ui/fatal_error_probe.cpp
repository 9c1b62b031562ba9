// Child process for fatal_error_test: makes the request named by its argument
// fail, describes the fatal-error box that appears on standard output, and
// presses its OK button.
#include "ui/allocation_failure.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <new>
#include <string_view>

namespace {

// More than any address space holds, so the request always fails.
volatile std::size_t impossibleSize = std::size_t{1} << 52;

void print(const QString& line)
{
    std::fputs(line.toUtf8().append('\n').constData(), stdout);
    std::fflush(stdout);
}

void describeAndAnswerBox()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
        print(QStringLiteral("no box"));
        return;
    }
    QString text = box->text();
    text.replace(u'\r', QStringLiteral("<CR>")).replace(u'\n', QStringLiteral("<LF>"));
    print(QStringLiteral("caption: ") + box->windowTitle());
    print(QStringLiteral("icon: %1").arg(box->icon() == QMessageBox::Critical ? "error" : "other"));
    print(QStringLiteral("buttons: %1").arg(box->buttons().size()));
    print(QStringLiteral("owner: %1").arg(box->parentWidget() == nullptr ? "none" : "some"));
    print(QStringLiteral("text: ") + text);
    box->button(QMessageBox::Ok)->click();
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::string_view request = argc > 1 ? argv[1] : "";
    quorrel::keepAllocationFailureReserve();
    if (request == "new-before-application") {
        static_cast<void>(::operator new(impossibleSize));
    }

    QApplication application(argc, argv);
    // Runs in the box's own event loop.
    QTimer::singleShot(0, &describeAndAnswerBox);

    // The operators are called directly: a new-expression whose block is
    // never used may be left out by the compiler.
    void* block = nullptr;
    if (request == "new") {
        block = ::operator new(impossibleSize);
    } else if (request == "new-array") {
        block = ::operator new[](impossibleSize);
    } else if (request == "new-aligned") {
        block = ::operator new(impossibleSize, std::align_val_t{64});
    } else if (request == "new-nothrow") {
        block = ::operator new[](impossibleSize, std::nothrow);
    }
    print(block == nullptr ? QStringLiteral("returned null") : QStringLiteral("returned a block"));
    return 0;
}
