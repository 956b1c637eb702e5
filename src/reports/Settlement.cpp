#include "reports/Settlement.h"

#include <array>
#include <string_view>

namespace kz {

namespace {

// The info field of a payment or return entry (the text after its second
// tab, up to a third one), read in place: the refresh reads thousands of them.
std::string_view InfoField(std::string_view entry) {
    std::size_t pos = 0;
    for (int k = 0; k < 2; ++k) {
        const std::size_t tab = entry.find('\t', pos);
        if (tab == std::string_view::npos) return {};
        pos = tab + 1;
    }
    const std::size_t end = entry.find('\t', pos);
    return entry.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
}

}  // namespace

bool AllPaymentsSettled(const ClientRecord& client, Side side) {
    const EntryList& returns = ReturnList(client, side);
    std::array<std::string_view, kListSize> keys;
    std::array<double, kListSize> amounts;
    for (std::size_t k = 0; k < returns.size(); ++k) {
        keys[k] = InfoField(returns[k]);
        amounts[k] = returns[k].empty() ? 0 : EntryAmount(returns[k]);
    }
    for (const std::string& payment : PaymentList(client, side)) {
        if (payment.empty()) continue;
        const std::string_view key = InfoField(payment);
        const double amount = EntryAmount(payment);
        // Summed in list order, stopping at an exact match, as AmountDue does,
        // so that the floating-point totals agree too.
        double paid = 0;
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (keys[k] != key) continue;
            paid += amounts[k];
            if (paid == amount) break;
        }
        if (paid < amount) return false;
    }
    return true;
}

}  // namespace kz
