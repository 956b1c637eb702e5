#include "support/SampleDocuments.h"

#include <string>

namespace kz::test {

BudgetFile RichDocument() {
    BudgetFile d;
    FillNewDocumentDefaults(d);
    d.name = "Анна Петровна";
    d.Unit(3) = {"евро", "€"};
    d.sostkol = 2;
    d.Sost(1).bal = 1234.5;
    d.Sost(1).dohod[0] = "5000\t05.10.2002\tЗарплата";
    d.Sost(1).dohod[2] = "250,5\t07.10.2002\tПремия";  // slot 2 left empty on purpose
    d.Sost(1).oldbal[0] = "1000\t30.09.2002";
    d.Sost(1).vydol[0] = "1000\t05.10.2002\tИван\t3\t0\t05.11.2002\t";
    d.Sost(2).sostname = "Сбережения";
    d.Sost(2).ienum = 2;
    d.Sost(2).bal = -0.1;
    d.Sost(2).rashod[99] = "10\t01.01.2003\tКофе";
    d.clientkol = 2;
    d.Client(1).clientname = "ООО «Ромашка»";
    d.Client(1).reput = -3;
    d.Client(1).clinfo = "Телефон 123\r\n\r\nАдрес: ул. Ленина, 1";
    d.Client(1).clondolkm[0] = "ежемесячно\t10 число\t1000";
    d.Client(2).clientname = "Пётр";
    d.Client(2).ienum = 3;
    d.Client(2).clvydolok[4] = "400\t05.12.2026";
    d.phones[0] = "Иван\t+7 123 456";
    d.phones[49] = "Последний\t50";
    d.notes = "Купить хлеба\r\n{важно}\r\n\r\nКонец";
    return d;
}

BudgetFile FullDocument() {
    BudgetFile d;
    FillNewDocumentDefaults(d);
    d.sostkol = kMaxSosts;
    d.clientkol = kMaxClients;
    for (int i = 1; i <= kMaxSosts; ++i) {
        SostRecord& s = d.Sost(i);
        s.sostname = "Состояние номер " + std::to_string(i);
        s.bal = 123456.78 * i;
        for (const auto& info : kSostLists)
            for (int j = 0; j < kListSize; ++j)
                (s.*(info.list))[static_cast<std::size_t>(j)] =
                    std::to_string(1000 + j) + ",5\t" + std::to_string(1 + j % 28) +
                    ".10.2002\tИсточник дохода номер " + std::to_string(j) + "\t3\t0\t05.11.2002";
    }
    for (int i = 1; i <= kMaxClients; ++i) {
        ClientRecord& c = d.Client(i);
        c.clientname = "Клиент номер " + std::to_string(i);
        c.clinfo = "Сведения о клиенте\r\nвторая строка";
        for (const auto& info : kClientLists)
            for (int j = 0; j < kListSize; ++j)
                (c.*(info.list))[static_cast<std::size_t>(j)] =
                    "ежемесячно\tоплата за ноябрь " + std::to_string(j) + "\t1500";
    }
    for (int k = 0; k < kSavedPhones; ++k)
        d.phones[static_cast<std::size_t>(k)] = "Абонент " + std::to_string(k) + "\t+7 900 000";
    for (int k = 0; k < 200; ++k) d.notes += "Строка заметок номер " + std::to_string(k) + "\r\n";
    d.notes += "конец";
    return d;
}

}  // namespace kz::test
