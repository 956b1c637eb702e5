#include "tools/Converter.h"

#include <cmath>

#include "core/Text.h"

namespace kz {

namespace {

void RatioMessage(Platform& ui) {
    ui.MessageBox("Неверно указано соотношение используемых единиц!", Icon::Critical, Buttons::OK);
}

}  // namespace

bool Convert(Platform& ui, ConverterForm& form) {
    form.ratio1 = CommaToPoint(form.ratio1);
    form.ratio2 = CommaToPoint(form.ratio2);
    form.amount = CommaToPoint(form.amount);

    const double r1 = LeadingNumber(form.ratio1);
    const double r2 = LeadingNumber(form.ratio2);
    if (form.ratio1.empty() || form.ratio2.empty() || r1 == 0 || r2 == 0) {
        RatioMessage(ui);
        return false;
    }
    const double a = LeadingNumber(form.amount);
    if (!(a > 0)) {
        ui.MessageBox("Введите исходную сумму.", Icon::Information, Buttons::OK);
        return false;
    }
    const double result = form.oneToTwo ? r1 / r2 * a : r2 / r1 * a;
    if (!std::isfinite(result)) {
        RatioMessage(ui);
        return false;
    }
    form.result = AmountText(result);
    return true;
}

void CopyResult(Platform& ui, const ConverterForm& form) {
    ui.SetClipboardText(form.result);
}

}  // namespace kz
