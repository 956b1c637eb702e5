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

// The fields keep the names the data file gives them; each comment says what
// the field holds. Entries of the lists are tab-separated fields.

// A currency unit ("и.е.").
struct CurrencyUnit {
    std::string cap;     // the unit's name ("рубли"); empty marks a free slot
    std::string short_;  // short sign shown after amounts ("р.")
};

// A state: a named holding with a balance in one currency unit.
struct SostRecord {
    double bal = 0;        // current balance
    int ienum = 1;         // its currency unit, 1..3
    std::string sostname;  // the state's name
    EntryList oldbal;      // past balances: balance, date
    EntryList oldzan;      // borrowings made: amount, date, person, reason
    EntryList oldodol;     // lendings made, as oldzan
    EntryList rashod;      // expenses: amount, date, what for
    EntryList dohod;       // incomes: amount, date, source
    // Open debts: amount, loan date, person, reason, return sum, percent a
    // month, return date (ComputeReturn reads them).
    EntryList ondol;  // owed to the user: sums lent out
    EntryList vydol;  // owed by the user: sums borrowed
};

// A client: a counterparty with scheduled payments both ways.
struct ClientRecord {
    int ienum = 1;           // its currency unit, 1..3
    std::string clientname;  // the client's name
    std::string clinfo;      // free information, several lines, CR LF between them
    int reput = 0;           // reputation: above 0 good, below 0 bad
    EntryList clondol;       // kept and saved with the client; nothing adds to it
    EntryList clvydol;       // the same
    EntryList clondolkm;     // payments the client owes the user: amount, date or
                             // "ежемесячно", info
    EntryList clvydolkm;     // payments the user owes the client
    EntryList clondolok;     // returns received against clondolkm: amount, date, info
    EntryList clvydolok;     // returns paid against clvydolkm
};

// The whole data file in memory, and the state of the open file.
struct BudgetFile {
    std::string name;                               // the user's name
    std::string pass;                               // the file's password; empty when none
    bool IsProtected = false;                       // the file is stored enciphered
    std::array<CurrencyUnit, kUnitCount> Units;     // currency units 1..3
    int sostkol = 1;                                // states in use, 1..10
    int clientkol = 0;                              // clients in use, 0..20
    std::array<SostRecord, kMaxSosts> Sosts;        // only the first sostkol are in use
    std::array<ClientRecord, kMaxClients> Clients;  // only the first clientkol are in use
    std::array<std::string, kPhoneSlots> phones;    // phone book: name, phone; 50 are saved
    std::string notes;  // the notepad text, several lines, CR LF between them

    std::string FilePath;             // the open .kv7 file (never a temporary plain copy)
    Date LastDate;                    // the day the file was opened; the refresh moves it on
    bool Dirty = false;               // unsaved changes
    bool ReportsReady = false;        // a new month began: the monthly reports are announced
    bool MonthEndDue = false;         // the month-end processing has still to run
    std::string PendingBackupDelete;  // a plain backup copy the next save deletes
    int CurrentSost = 1;              // the state whose window is open
    int CurrentClient = 1;            // the client whose window is open

    // 1-based access, as every routine numbers states, clients and units.
    SostRecord& Sost(int i) { return Slot(Sosts, i); }
    const SostRecord& Sost(int i) const { return Slot(Sosts, i); }
    ClientRecord& Client(int i) { return Slot(Clients, i); }
    const ClientRecord& Client(int i) const { return Slot(Clients, i); }
    CurrencyUnit& Unit(int k) { return Slot(Units, k); }
    const CurrencyUnit& Unit(int k) const { return Slot(Units, k); }
};

// Whose currency unit the unit dialog sets: the current state's or the
// current client's.
enum class UnitOwner { State, Client };

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
