#pragma once

#include <array>
#include <string>

#include "core/Date.h"

namespace kz {

inline constexpr int kUnitCount = 3;
inline constexpr int kMaxSosts = 10;
inline constexpr int kMaxClients = 20;
inline constexpr int kListSize = 100;
inline constexpr int kPhoneSlots = 100;
inline constexpr int kSavedPhones = 50;

inline constexpr const char* kDefaultUserName = "Пользователь";
inline constexpr const char* kFirstSostName = "Личные деньги";
inline constexpr const char* kDefaultClientName = "Клиент1";
inline constexpr const char* kAppTitle = "Brisklane Kerva Zyl";

// Slot i of a list, a table or a row of a view. Every routine numbers slots,
// entries, states, clients and rows from 1; a number out of range throws
// rather than reads past the end.
template <class Slots>
decltype(auto) Slot(Slots& slots, int i) {
    return slots.at(static_cast<std::size_t>(i - 1));
}

// A list of entries, slot 1 in element 0. Empty text marks a free slot; the
// lists stay packed from slot 1, newest first.
using EntryList = std::array<std::string, kListSize>;

// Inserts at slot 1; the entry in slot 100 is lost.
void PushEntry(EntryList& list, std::string entry);
// Removes slot i (1-based) and closes the gap; slot 100 becomes empty.
// An index outside 1..100 changes nothing.
void RemoveEntry(EntryList& list, int i);
// Number of non-empty slots.
int CountEntries(const EntryList& list);

struct CurrencyUnit {
    std::string cap;     // the unit's name; empty marks a free slot
    std::string short_;  // short sign shown after amounts
};

struct SostRecord {
    double bal = 0;
    int ienum = 1;
    std::string sostname;
    EntryList oldbal;
    EntryList oldzan;
    EntryList oldodol;
    EntryList rashod;
    EntryList dohod;
    EntryList ondol;
    EntryList vydol;
};

struct ClientRecord {
    int ienum = 1;
    std::string clientname;
    std::string clinfo;  // several lines, CR LF between them
    int reput = 0;
    EntryList clondol;
    EntryList clvydol;
    EntryList clondolkm;
    EntryList clvydolkm;
    EntryList clondolok;
    EntryList clvydolok;
};

struct BudgetFile {
    std::string name;
    std::string pass;
    bool IsProtected = false;
    std::array<CurrencyUnit, kUnitCount> Units;
    int sostkol = 1;
    int clientkol = 0;
    std::array<SostRecord, kMaxSosts> Sosts;
    std::array<ClientRecord, kMaxClients> Clients;
    std::array<std::string, kPhoneSlots> phones;
    std::string notes;  // several lines, CR LF between them

    std::string FilePath;
    Date LastDate;
    bool Dirty = false;
    bool ReportsReady = false;
    bool MonthEndDue = false;
    std::string PendingBackupDelete;
    int CurrentSost = 1;
    int CurrentClient = 1;

    // 1-based access, as every routine numbers states, clients and units.
    SostRecord& Sost(int i) { return Slot(Sosts, i); }
    const SostRecord& Sost(int i) const { return Slot(Sosts, i); }
    ClientRecord& Client(int i) { return Slot(Clients, i); }
    const ClientRecord& Client(int i) const { return Slot(Clients, i); }
    CurrencyUnit& Unit(int k) { return Slot(Units, k); }
    const CurrencyUnit& Unit(int k) const { return Slot(Units, k); }
};

void ResetSost(SostRecord& s);
void ResetClient(ClientRecord& c);

// Every default of a new document (user, units, one state named
// "Личные деньги", no clients, no phones, empty notes). Leaves the
// document-level state (path, flags) alone.
void FillNewDocumentDefaults(BudgetFile& doc);

// The seven lists of a state and the six of a client, with the section and
// key names the data file uses for them, in the order the file holds them.
struct SostListInfo {
    const char* section;  // "oldbal" -> "[oldbal<i>]"
    const char* key;      // "bal" -> "bal<j>="
    EntryList SostRecord::*list;
};
struct ClientListInfo {
    const char* section;
    const char* key;
    EntryList ClientRecord::*list;
};
extern const std::array<SostListInfo, 7> kSostLists;
extern const std::array<ClientListInfo, 6> kClientLists;

}  // namespace kz
