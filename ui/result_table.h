// 超级列表框1: the five-column table that shows the result of a parse.
#pragma once

#include "ui/result_row_model.h"

#include <QTableView>

#include <string_view>

namespace quorrel {

// A report-style view of its own ResultRowModel, which holds the rows: the
// columns "id", "type", "value1", "value2" and "state" at 60, 100, 200, 200
// and 50 pixels, left aligned, with grid lines and whole-row single
// selection that is hidden while the table lacks the focus and draws no
// focus frame around one cell. Rows are one line of text high, so the table
// shows about a dozen. Nothing can be edited, sorted or moved, and a press
// on a column title changes nothing; column widths can be dragged. Tab and
// Shift+Tab leave the table instead of moving between its cells, and Ctrl+C
// copies the selected row as its five cells separated by tabs.
class ResultTable : public QTableView {
    Q_OBJECT

public:
    explicit ResultTable(QWidget* parent = nullptr);

    // The rows, which the comparison writes to.
    [[nodiscard]] ResultRowModel& rows() { return rowModel; }

    // The table's three operations, on its rows. clearRows empties the table
    // before a parse, and the rows appended next show from the top; the
    // columns and their widths stay. appendRow adds an empty row and returns
    // its index; setCell writes one cell of a row (ResultRowModel says what
    // each does at its edges).
    void clearRows();
    int appendRow();
    void setCell(int row, int column, std::string_view text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void copySelectedRow() const;

    ResultRowModel rowModel;
};

}  // namespace quorrel
