#include "core/result_rows.h"

namespace quorrel {

void fillResultRows(const TextList& pairList, RowWriter& table)
{
    for (std::string_view entry : pairList) {
        const int row = table.appendRow();
        std::string_view value1;
        std::string_view value2;
        bool firstHalf = true;
        forEachPiece(entry, "*", [&](std::string_view half) {
            // The first pieces of the half at "="; a third one is enough to
            // know that the half is not shown.
            std::string_view parts[3];
            std::size_t partCount = 0;
            forEachPiece(half, "=", [&](std::string_view part) {
                parts[partCount++] = part;
                return partCount < 3;
            });
            if (partCount == 2) {
                table.setCell(row, 0, numberToText(row + 1.0));
                table.setCell(row, 1, parts[0]);
                if (firstHalf) {
                    value1 = parts[1];
                    table.setCell(row, 2, value1);
                } else {
                    table.setCell(row, 3, parts[1]);
                    value2 = parts[1];
                }
                table.setCell(row, 4, compareText(value1, value2) == 0 ? equalMark : differentMark);
            }
            firstHalf = false;
            return true;
        });
    }
}

}  // namespace quorrel
