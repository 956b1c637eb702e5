#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>

#include "core/Document.h"
#include "core/WholeFile.h"

namespace kz::cli {

// The document as the dump command prints it: every list an array of
// exactly 100 texts, line breaks inside texts as CR LF.
nlohmann::ordered_json DocumentToJson(const BudgetFile& doc);
// The same printed as DocumentToJson(doc).dump(2) prints it (texts as they
// are, invalid UTF-8 replaced), written straight from the document.
std::string DocumentJsonText(const BudgetFile& doc);
// The same text written to `sink` piece by piece.
void WriteDocumentJson(const BudgetFile& doc, std::ostream& sink);

// Builds a document from that form (lists may be shorter; missing fields
// keep the defaults of a new document) in `doc`. The text is let go on
// return. False with a reason when the JSON is malformed, would not make a
// readable data file or was cut short while it was read; `doc` then holds
// part of it.
bool DocumentFromJson(WholeFile text, const Date& today, BudgetFile& doc, std::string& problem);

}  // namespace kz::cli
