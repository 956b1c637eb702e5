#include "core/Grid.h"

#include "core/Text.h"

namespace kz {

namespace {

std::vector<std::string> SplitCells(const std::string& row, std::size_t columns) {
    std::vector<std::string> cells(columns);
    std::size_t cell = 0, start = 0;
    while (cell < columns) {
        const std::size_t tab = row.find('\t', start);
        cells[cell++] =
            row.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return cells;
}

}  // namespace

GridRows FillGrid(std::string_view table, int rowCount, int dataColumns, Platform* progress) {
    if (rowCount < 1) rowCount = 1;  // the caption row always exists
    const std::size_t columns = static_cast<std::size_t>(dataColumns < 0 ? 0 : dataColumns) + 1;

    std::string marked;
    marked.reserve(table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] == '\r' && i + 1 < table.size() && table[i + 1] == '\n') {
            marked += '`';
            ++i;
        } else {
            marked += table[i];
        }
    }

    const long long total = static_cast<long long>(CharCount(marked));
    long long scanned = 0;
    GridRows rows;
    std::string row;
    for (std::size_t i = 0; i < marked.size(); ++i) {
        const char c = marked[i];
        if (c == '|')
            row += '\t';
        else if (c == '`') {
            rows.push_back(SplitCells(row, columns));
            row.clear();
        } else
            row += c;
        // One step per character: the continuation bytes of a UTF-8
        // character do not count.
        const bool charEnds =
            i + 1 == marked.size() || (static_cast<unsigned char>(marked[i + 1]) & 0xC0) != 0x80;
        if (progress && charEnds) progress->SetProgress(++scanned, total);
    }
    rows.push_back(SplitCells(row, columns));

    rows.resize(static_cast<std::size_t>(rowCount), std::vector<std::string>(columns));
    return rows;
}

void RemoveGridRow(GridRows& rows, int row, int rowCount) {
    if (row < 1 || row >= static_cast<int>(rows.size())) return;
    const std::size_t columns = rows.front().size();
    rows.erase(rows.begin() + row);
    if (rowCount > 0)
        rows.resize(static_cast<std::size_t>(rowCount), std::vector<std::string>(columns));
}

}  // namespace kz
