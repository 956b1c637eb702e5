#pragma once

#include <string>

#include "platform/Platform.h"

namespace kz {

// The fields of the "Конвертер валют" box, as the window holds them.
struct ConverterForm {
    std::string ratio1;    // txt1: how many of unit 1 ...
    std::string ratio2;    // txt2: ... equal this many of unit 2
    std::string amount;    // txtIN
    std::string result;    // txtRes
    bool oneToTwo = true;  // op1to2 selected; false: op2to1
};

// The "ОК" button. Rewrites every "," of the three input fields as "." (the
// window shows the rewritten texts), then refuses an empty ratio field with
// "Неверно указано соотношение используемых единиц!" and an amount that is not
// above 0 with "Введите исходную сумму.". A ratio field that reads as 0, or a
// result too large to be a number, is refused with the ratio message as well,
// since the ratio is then meaningless. Otherwise the result is written in the
// amount form (decimal comma). Returns true when the result was written.
bool Convert(Platform& ui, ConverterForm& form);

// The "Буф." button: the result text goes to the clipboard.
void CopyResult(Platform& ui, const ConverterForm& form);

}  // namespace kz
