#pragma once

#include <array>
#include <string>

#include "platform/Platform.h"

namespace kz {

inline constexpr int kBarcodeLength = 13;

// The texts of the digit boxes txt1..txt13, txt1 first, txt13 the check digit.
using BarcodeBoxes = std::array<std::string, kBarcodeLength>;

// The digit a box holds. Boxes take one character; an empty box or anything
// but a digit counts as 0.
int BarcodeDigit(const std::string& box);

// EAN-13 check digit expected for the first twelve boxes: odd positions weigh
// 1, even positions 3.
int ExpectedCheckDigit(const BarcodeBoxes& boxes);

// Country of manufacture for the first three digits d1 d2 d3, or
// " (неизвестно)" when no prefix matches.
std::string BarcodeCountry(int d1, int d2, int d3);

// The text of the verdict: "Этот штрих-код поддельный!" or the valid-code
// message naming the country.
std::string BarcodeVerdict(const BarcodeBoxes& boxes);

// The "Проверить" button: shows the verdict (information icon, OK).
void CheckBarcode(Platform& ui, const BarcodeBoxes& boxes);

// The "Очистить" button: empties every box. The window then focuses txt1.
void ClearBarcode(BarcodeBoxes& boxes);

}  // namespace kz
