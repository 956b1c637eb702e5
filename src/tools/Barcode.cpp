#include "tools/Barcode.h"

namespace kz {

int BarcodeDigit(const std::string& box) {
    if (box.empty() || box[0] < '0' || box[0] > '9') return 0;
    return box[0] - '0';
}

int ExpectedCheckDigit(const BarcodeBoxes& boxes) {
    int weight1 = 0, weight3 = 0;
    for (int i = 0; i < kBarcodeLength - 1; ++i) {
        // Position i + 1: odd positions weigh 1, even ones 3.
        if (i % 2 == 0)
            weight1 += BarcodeDigit(boxes[static_cast<std::size_t>(i)]);
        else
            weight3 += BarcodeDigit(boxes[static_cast<std::size_t>(i)]);
    }
    const int s = 3 * weight3 + weight1;
    return (10 - s % 10) % 10;
}

std::string BarcodeCountry(int d1, int d2, int d3) {
    const int p2 = d1 * 10 + d2;
    const int p3 = p2 * 10 + d3;
    // The order matters: three-digit prefixes stand before the two-digit
    // ones that contain them.
    if (p2 == 93) return "Австралия";
    if (p2 == 90 || p2 == 91) return "Австрия";
    if (p2 == 54) return "Бельгия";
    if (p2 == 78) return "Бразилия";
    if (p2 == 50) return "Великобритания или Сев.Ирландия";
    if (p2 >= 40 && p2 <= 43) return "Германия";
    if (p3 == 489) return "Гонконг";
    if (p3 == 690) return "Китай";
    if (p3 == 880) return "Корея";
    if (p2 == 87) return "Нидерланды";
    if (p2 == 70) return "Норвегия";
    if (p3 == 569) return "Исландия";
    if (p2 == 56) return "Португалия";
    if (p3 == 888) return "Сингапур";
    if (p3 >= 460 && p3 <= 469) return "СНГ";
    if (p2 <= 4 || p2 == 6) return "США или Канада";
    if (p3 == 529) return "Кипр";
    if (p2 == 52) return "Греция";
    if (p2 == 57) return "Дания";
    if (p2 == 72) return "Израиль";
    if (p2 == 84) return "Испания";
    if (p2 >= 80 && p2 <= 83) return "Италия";
    if (p3 == 860) return "Югославия";
    if (p2 == 86) return "Турция";
    if (p2 == 64) return "Финляндия";
    if (p2 >= 30 && p2 <= 37) return "Франция";
    if (p2 == 85) return "Чехия, Словакия";
    if (p2 == 76) return "Швейцария";
    if (p2 == 73) return "Швеция";
    if (p2 == 60) return "ЮАР";
    if (p2 == 49) return "Япония";
    return " (неизвестно)";
}

std::string BarcodeVerdict(const BarcodeBoxes& boxes) {
    if (BarcodeDigit(boxes[12]) != ExpectedCheckDigit(boxes)) return "Этот штрих-код поддельный!";
    return "Штрих-код верный.\r\n\r\nТовар с этим штрих-кодом сделан в стране: " +
           BarcodeCountry(BarcodeDigit(boxes[0]), BarcodeDigit(boxes[1]), BarcodeDigit(boxes[2]));
}

void CheckBarcode(Platform& ui, const BarcodeBoxes& boxes) {
    ui.MessageBox(BarcodeVerdict(boxes), Icon::Information, Buttons::OK);
}

void ClearBarcode(BarcodeBoxes& boxes) {
    for (auto& b : boxes) b.clear();
}

}  // namespace kz
