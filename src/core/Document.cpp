#include "core/Document.h"

#include <algorithm>

namespace kz {

void PushEntry(EntryList& list, std::string entry) {
    std::move_backward(list.begin(), list.end() - 1, list.end());
    list[0] = std::move(entry);
}

void RemoveEntry(EntryList& list, int i) {
    if (i < 1 || i > kListSize) return;
    std::move(list.begin() + i, list.end(), list.begin() + (i - 1));
    list[kListSize - 1].clear();
}

int CountEntries(const EntryList& list) {
    return static_cast<int>(std::count_if(list.begin(), list.end(),
                                          [](const std::string& s) { return !s.empty(); }));
}

void ResetSost(SostRecord& s) { s = SostRecord{}; }

void ResetClient(ClientRecord& c) { c = ClientRecord{}; }

void FillNewDocumentDefaults(BudgetFile& doc) {
    doc.name = kDefaultUserName;
    doc.pass.clear();
    doc.notes.clear();
    doc.Units[0] = {"рубли", "р."};
    doc.Units[1] = {"доллары", "$"};
    doc.Units[2] = {"", ""};
    doc.sostkol = 1;
    doc.clientkol = 0;
    for (auto& s : doc.Sosts) ResetSost(s);
    for (auto& c : doc.Clients) ResetClient(c);
    for (auto& p : doc.phones) p.clear();
    doc.Sosts[0].sostname = kFirstSostName;
}

const std::array<SostListInfo, 7> kSostLists = {{
    {"oldbal", "bal", &SostRecord::oldbal},
    {"oldzan", "zan", &SostRecord::oldzan},
    {"oldodol", "oldodol", &SostRecord::oldodol},
    {"rashod", "ras", &SostRecord::rashod},
    {"dohod", "d", &SostRecord::dohod},
    {"ondol", "ondol", &SostRecord::ondol},
    {"vydol", "vydol", &SostRecord::vydol},
}};

const std::array<ClientListInfo, 6> kClientLists = {{
    {"clondol", "ondol", &ClientRecord::clondol},
    {"clvydol", "vydol", &ClientRecord::clvydol},
    {"clondolkm", "ondolkm", &ClientRecord::clondolkm},
    {"clvydolkm", "vydolkm", &ClientRecord::clvydolkm},
    {"clondolok", "ondolok", &ClientRecord::clondolok},
    {"clvydolok", "vydolok", &ClientRecord::clvydolok},
}};

}  // namespace kz
