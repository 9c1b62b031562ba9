// MainWindow: the program's one window.
#pragma once

#include "core/parameter_pairing.h"

#include <QWidget>

#include <memory>

namespace quorrel {

class LineInput;
class ResultTable;

// "Quorrel", 618 x 398 pixels with its frame, fixed in size, with minimise and
// close but no maximise. Across the top the result table, below it the two
// inputs with their "清空" buttons, and at the bottom the filter input with
// its label and the parse button "一键解析". The controls sit at fixed pixel
// rectangles; whatever a frame takes from the client area cuts them off at
// the right and bottom edges. Tab and Shift+Tab walk the controls in the
// order they are created, the label left out; no button is a default button,
// and Enter, Esc and F1 do nothing.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // The window works on `lists`, which must outlive it. It is created
    // hidden, centred on the primary screen, with the focus in the table.
    explicit MainWindow(ParseLists& lists);

    // Empties 编辑框1 and nothing else.
    void onClearFirst();
    // Empties 编辑框2 and nothing else.
    void onClearSecond();
    // Empties the table, pairs the texts of 编辑框1 and 编辑框2 at the filter
    // text of 编辑框3, shows one row per pair entry and leaves the lists
    // empty. The inputs stay as they are.
    void onParse();

protected:
    bool event(QEvent* event) override;

private:
    void fitFrame();
    void refuseMaximising();

    ParseLists& lists;
    ResultTable* resultTable;
    LineInput* firstInput;
    LineInput* secondInput;
    LineInput* filterInput;
    bool frameFitted = false;
};

// Creates MainWindow over `lists`, shows it and makes it the active window.
[[nodiscard]] std::unique_ptr<MainWindow> openMainWindow(ParseLists& lists);

}  // namespace quorrel
