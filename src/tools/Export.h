#pragma once

#include <string>
#include <vector>

#include "core/Document.h"
#include "platform/Platform.h"

namespace kz {

// One file of an export: its name inside the export folder and its content.
struct ExportFile {
    std::string name;
    std::string bytes;
};

// The whole document as CSV files for a spreadsheet: UTF-8, comma-separated,
// quoted where a field needs it, CR LF between records, a header row. One
// file lists the states and one the clients; every list of every state and
// client in use has a file of its own. Dates that the program reads as dates
// are written YYYY-MM-DD beside the text as stored, amounts with a decimal
// point beside the unit's short name. `today` gives the year of dates stored
// without one and the day for which amounts due are computed.
std::vector<ExportFile> CsvExport(const BudgetFile& doc, const Date& today);

// The states' history as a QIF file for another finance program: each state
// a cash account, incomes and expenses as deposits and withdrawals,
// borrowings and lendings as transfers to an account per person. An opening
// balance makes each cash account end at the state's balance.
struct QifExport {
    std::string text;
    // Entries left out because their date or amount cannot be read.
    int skipped = 0;
};
QifExport ExportQif(const BudgetFile& doc, const Date& today);

// Writes the files into `folder`, which is created when missing. Each file
// is replaced safely; the first failure shows its message and stops. The
// files of a protected document are plain text: `ownerOnly` gives them to
// the owner alone (0600).
bool WriteExportFiles(Platform& ui, const std::string& folder, const std::vector<ExportFile>& files,
                      bool ownerOnly);

// The main window's "Экспорт в CSV..." item: asks for a folder (the data
// file's folder proposed), asks before replacing files of an earlier export,
// writes the files of the whole document and says where they are.
void ExportToCsv(const BudgetFile& doc, Platform& ui);

}  // namespace kz
