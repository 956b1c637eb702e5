"""Client window: a monthly payment of 1000 owed to the user and a dated one
owed by the user, the monthly one repaid with 400 and then 600 while the main
window's reminder that a client has not paid this month appears and goes, the
past returns read, the information and the reputation edited, and the file
saved and checked."""
import datetime

import kzdrive

TITLE = "Brisklane Kerva Zyl - home.kv7"
NOT_PAID = "Есть клиенты, не расплатившиеся за текущий месяц."
OWED, OWING = "Клиент должен Вам", "Вы должны клиенту"  # the two sides


class Side:
    """One side of the client window: its table and its buttons, whose names
    end with the side's name, since both sides have the same captions."""

    def __init__(self, client, name):
        self.client, self.name = client, name

    def button(self, caption):
        return self.client.find("push button", f"{caption} ({self.name})")

    @property
    def table(self):
        return self.client.find("table", self.name)


def scenario(desk):
    path = desk.new_file("home.kv7")
    app = desk.start("--open", path)
    main = app.window(TITLE)
    main.find("push button", "Добавить... клиента").press()
    app.modal().answer("Иван Петров")

    def open_client():
        main.find("push button", "Открыть >>> клиента").press()
        return app.window(TITLE, holding=("push button", "<<< Назад"))

    def back(client):
        client.find("push button", "<<< Назад").press()
        return app.window(TITLE, holding=("push button", "Открыть >>> клиента"))

    def add_payment(side, sum_, info, date=None):
        side.button("Добавить платеж").press()
        entry = app.modal()
        assert entry.name == "Добавление платежа", entry.name
        entry.find("text", "Сумма,р.:").type(sum_)
        entry.find("text", "Информация:").type(info)
        if date is None:
            entry.find("check box", "Ежемесячный платеж").press()
            assert not entry.find("text", "Дата/ежемесячно:").enabled
        else:
            entry.find("text", "Дата/ежемесячно:").type(date)
        desk.shot("frmPayment")
        entry.press("Добавить")

    def repay(side, sum_):
        side.table.choose_row(0)
        side.button("Вернуть деньги").press()
        app.modal().press("Да")  # return money on this payment?
        app.modal().answer(sum_)
        sure = app.modal()
        assert sure.message == ("Вы уверены, что Вам хотят вернуть долг(или часть долга) в "
                                f"размере {sum_}р."), sure.message
        sure.press("Да")

    today = datetime.date.today()
    month = f"(за {today.month}.{today.year})"
    due = (today + datetime.timedelta(days=20)).strftime("%d.%m.%Y")

    client = open_client()
    owed, owing = Side(client, OWED), Side(client, OWING)
    add_payment(owed, "1000", "Аренда")
    add_payment(owing, "2500", "Ремонт", due)
    assert owed.table.table == [["1", "1000", "ежемесячно", month + "Аренда"]]
    assert owing.table.table == [["1", "2500", due, "Ремонт"]]
    desk.shot("frmClient")

    main = back(client)
    assert main.find("list", "Клиенты:").rows == ["Иван Петров(должен)"]
    assert NOT_PAID in main.find("text", "Клиенты: напоминания").text

    client = open_client()
    repay(Side(client, OWED), "400")
    main = back(client)
    assert NOT_PAID in main.find("text", "Клиенты: напоминания").text

    client = open_client()
    owed = Side(client, OWED)
    repay(owed, "600")
    assert owed.table.table[0][0] == "ok"
    main = back(client)
    assert main.find("list", "Клиенты:").rows == ["Иван Петров"]
    assert NOT_PAID not in main.find("text", "Клиенты: напоминания").text

    client = open_client()
    Side(client, OWED).button("Возвращенные деньги...").press()
    returns = app.modal()
    assert returns.name == "Возвращенные деньги", returns.name
    desk.shot("frmOldGrid")
    stamp = today.strftime("%d.%m.%Y")
    assert returns.find("table").table == [["1", "600", stamp, month + "Аренда"],
                                           ["2", "400", stamp, month + "Аренда"]]
    returns.press("OK")

    client.find("push button", "Информация о клиенте").press()
    info = app.modal()
    info.find("text").type("Платит в срок")
    desk.shot("frmClientInfo")
    info.press("OK")
    client.find("push button", "Репутация: 0").press()
    app.modal().answer("2")
    client.find("push button", "Репутация: 2")

    main = back(client)
    assert main.find("text", "Клиенты: напоминания").text.endswith("хорошая:1\nплохая:0")
    main.find("push button", "Сохранить").press()
    doc = desk.dump(path, until=lambda doc: doc["clients"][0]["reput"] == 2)
    c = {key: [e for e in value if e] if isinstance(value, list) else value
         for key, value in doc["clients"][0].items()}  # the lists' used slots
    assert (c["clinfo"], c["clondolkm"], c["clvydolkm"]) == (
        "Платит в срок", [f"1000\tежемесячно\t{month}Аренда"], [f"2500\t{due}\tРемонт"]), c
    assert c["clondolok"] == [f"600\t{stamp}\t{month}Аренда", f"400\t{stamp}\t{month}Аренда"], c

    main.find("menu item", "Выход").press()
    app.modal().press("Да")
    assert app.wait_exit() == 0


kzdrive.run(scenario)
