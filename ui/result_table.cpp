#include "ui/result_table.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStringList>

#include <array>

namespace quorrel {
namespace {

constexpr std::array<int, columnCount> columnWidths = {60, 100, 200, 200, 50};

}  // namespace

ResultTable::ResultTable(QWidget* parent)
    : QTableView(parent)
{
    setModel(&rowModel);

    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setSortingEnabled(false);
    setTabKeyNavigation(false);
    setShowGrid(true);
    setWordWrap(false);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    viewport()->setAttribute(Qt::WA_Hover, false);

    // Black on white, and no highlight while another control has the focus.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    setPalette(colours);

    // Every row is one line of the same height, so the view never measures rows.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* titles = horizontalHeader();
    titles->setSectionsMovable(false);
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setStretchLastSection(false);
    titles->setHighlightSections(false);
    titles->setSortIndicatorShown(false);
    for (int column = 0; column < columnCount; ++column) {
        setColumnWidth(column, columnWidths[static_cast<std::size_t>(column)]);
    }
}

void ResultTable::clearRows()
{
    rowModel.clearRows();
}

int ResultTable::appendRow()
{
    return rowModel.appendRow();
}

void ResultTable::setCell(int row, int column, std::string_view text)
{
    rowModel.setCell(row, column, text);
}

void ResultTable::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::Copy) {
        copySelectedRow();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ResultTable::copySelectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        return;
    }
    const int row = selected.first().row();
    QStringList cells;
    for (int column = 0; column < columnCount; ++column) {
        cells << rowModel.index(row, column).data().toString();
    }
    QApplication::clipboard()->setText(cells.join(u'\t'));
}

}  // namespace quorrel
