#include "ui/main_window.h"

#include "core/comparison.h"
#include "ui/input_text.h"
#include "ui/line_input.h"
#include "ui/result_table.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>


namespace quorrel {
namespace {

// The outer size, frame and title bar included.
constexpr QSize windowSize(618, 398);
constexpr int filterFontPixels = 16;

// The top left corner that centres the frame on the primary screen's full
// geometry, each half rounded toward zero.
QPoint centredPosition()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return screen.topLeft() + QPoint((screen.width() - windowSize.width()) / 2,
                                     (screen.height() - windowSize.height()) / 2);
}

LineInput* makeInput(QWidget* window, const QString& name, const QRect& rectangle)
{
    auto* input = new LineInput(window);
    input->setObjectName(name);
    input->setGeometry(rectangle);
    return input;
}

QPushButton* makeButton(QWidget* window, const QString& name, const QString& caption,
                        const QRect& rectangle)
{
    auto* button = new QPushButton(caption, window);
    button->setObjectName(name);
    button->setGeometry(rectangle);
    return button;
}

}  // namespace

MainWindow::MainWindow(ParseLists& parseLists)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                           | Qt::WindowCloseButtonHint),
      lists(parseLists)
{
    setWindowTitle(QStringLiteral("Quorrel"));
    // The frame is not known before the window is shown; fitFrame() takes
    // its size off the client area once it is.
    setFixedSize(windowSize);
    move(centredPosition());

    resultTable = new ResultTable(this);
    resultTable->setObjectName(QStringLiteral("超级列表框1"));
    resultTable->setGeometry(0, 0, 616, 264);

    firstInput = makeInput(this, QStringLiteral("编辑框1"), {0, 272, 544, 32});
    auto* firstClearButton =
        makeButton(this, QStringLiteral("按钮1"), QStringLiteral("清空"), {552, 272, 56, 32});
    secondInput = makeInput(this, QStringLiteral("编辑框2"), {0, 304, 544, 32});
    auto* secondClearButton =
        makeButton(this, QStringLiteral("按钮2"), QStringLiteral("清空"), {552, 304, 56, 32});

    auto* filterLabel = new QLabel(QStringLiteral("过滤字符:"), this);
    filterLabel->setObjectName(QStringLiteral("标签1"));
    filterLabel->setGeometry(192, 344, 64, 24);
    filterLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    filterInput = makeInput(this, QStringLiteral("编辑框3"), {264, 344, 56, 24});
    filterInput->setText(QString::fromLatin1(defaultFilter));
    filterInput->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QFont filterFont = filterInput->font();
    filterFont.setPixelSize(filterFontPixels);
    filterFont.setWeight(QFont::Normal);
    filterInput->setFont(filterFont);
    filterInput->setCursorPosition(0);

    auto* parseButton =
        makeButton(this, QStringLiteral("按钮3"), QStringLiteral("一键解析"), {352, 336, 96, 32});

    QWidget* const tabOrder[] = {resultTable, firstInput, firstClearButton, secondInput,
                                 secondClearButton, filterInput, parseButton};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }

    connect(firstClearButton, &QPushButton::clicked, this, &MainWindow::onClearFirst);
    connect(secondClearButton, &QPushButton::clicked, this, &MainWindow::onClearSecond);
    connect(parseButton, &QPushButton::clicked, this, &MainWindow::onParse);

    resultTable->setFocus();
}

void MainWindow::onClearFirst()
{
    setInputText(*firstInput, "");
}

void MainWindow::onClearSecond()
{
    setInputText(*secondInput, "");
}

void MainWindow::onParse()
{
    resultTable->clearRows();
    const Text firstText = readInputText(*firstInput);
    const Text secondText = readInputText(*secondInput);
    const Text filterText = readInputText(*filterInput);
    compareParameters(lists, firstText, secondText, filterText, resultTable->rows());
}

bool MainWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        if (!frameFitted) {
            fitFrame();
        }
        break;
    case QEvent::WindowStateChange:
        refuseMaximising();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

// Under a window manager the frame arrives after the window is shown. The
// first time it is known, the client area shrinks so that the frame keeps
// the outer size, and the frame is centred; later moves are the user's.
void MainWindow::fitFrame()
{
    const QSize outerSize = frameGeometry().size();
    if (outerSize == windowSize) {
        return;
    }
    setFixedSize(size() + windowSize - outerSize);
    move(centredPosition());
    frameFitted = true;
}

// A window manager may still ask for a maximised or full-screen window;
// the window stays in its normal state.
void MainWindow::refuseMaximising()
{
    const Qt::WindowStates refused = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (windowState() & refused) {
        setWindowState(windowState() & ~refused);
    }
}

std::unique_ptr<MainWindow> openMainWindow(ParseLists& lists)
{
    auto window = std::make_unique<MainWindow>(lists);
    window->show();
    window->activateWindow();
    return window;
}

}  // namespace quorrel
