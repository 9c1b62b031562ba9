#include "result_rows.h"

namespace quorrel {

void fillResultRows(const TextList& pairList, RowWriter& table)
{
    for (std::string_view entry : pairList) {
        const int row = table.appendRow();
        Text value1;
        Text value2;
        bool firstHalf = true;
        for (std::string_view half : splitText(entry, "*")) {
            const TextList parts = splitText(half, "=");
            if (parts.size() == 2) {
                const std::string_view value = parts[1];
                table.setCell(row, 0, numberToText(row + 1.0));
                table.setCell(row, 1, parts[0]);
                if (firstHalf) {
                    value1 = value;
                    table.setCell(row, 2, value);
                } else {
                    table.setCell(row, 3, value);
                    value2 = value;
                }
                table.setCell(row, 4, compareText(value1, value2) == 0 ? equalMark : differentMark);
            }
            firstHalf = false;
        }
    }
}

}  // namespace quorrel
