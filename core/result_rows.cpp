#include "core/result_rows.h"

#include "core/parameter_pairing.h"

namespace quorrel {

void fillResultRows(const TextList& pairList, RowWriter& table)
{
    table.reserveRows(pairList.size());
    for (std::string_view entry : pairList) {
        const int row = table.appendRow();
        std::string_view value1;
        std::string_view value2;
        bool firstHalf = true;
        forEachPiece(entry, pairJoiner, [&](std::string_view half) {
            // The first pieces of the half at the key separator; a third one
            // is enough to know that the half is not shown.
            std::string_view parts[3];
            std::size_t partCount = 0;
            forEachPiece(half, keySeparator, [&](std::string_view part) {
                parts[partCount++] = part;
                return partCount < 3;
            });
            if (partCount == 2) {
                table.setCell(row, idColumn, numberToText(row + 1.0));
                table.setCell(row, typeColumn, parts[0]);
                if (firstHalf) {
                    value1 = parts[1];
                    table.setCell(row, value1Column, value1);
                } else {
                    table.setCell(row, value2Column, parts[1]);
                    value2 = parts[1];
                }
                table.setCell(row, stateColumn, compareText(value1, value2) == 0 ? equalMark : differentMark);
            }
            firstHalf = false;
            return true;
        });
    }
}

}  // namespace quorrel
