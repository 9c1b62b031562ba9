#include "ui/result_table.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStringList>
#include <QStyledItemDelegate>

#include <array>

namespace quorrel {
namespace {

constexpr std::array<int, columnCount> columnWidths = {60, 100, 200, 200, 50};
// Pixels a row takes beyond one line of text.
constexpr int rowMargin = 4;

// Draws cells as the style does, without the focus frame around the current
// cell: whole rows are selected, so one cell of them is nothing special.
class CellWithoutFocusFrame : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

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
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + rowMargin);
    setItemDelegate(new CellWithoutFocusFrame(this));

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
    scrollToTop();
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
