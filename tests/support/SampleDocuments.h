#pragma once

#include "core/Document.h"

namespace kz::test {

// A document with something in every part: Cyrillic names, lists with gaps,
// clients with several-line information, phones and notes.
BudgetFile RichDocument();

// A document with every list of 10 states and 20 clients full, 50 phones and
// a long notes text (the largest file the program writes).
BudgetFile FullDocument();

}  // namespace kz::test
