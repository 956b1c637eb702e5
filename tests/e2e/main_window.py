"""Main and client windows through the accessibility interface alone (no mouse,
no keyboard): a state, a client and currency units added, renamed and deleted
through the buttons and input boxes; the client's monthly payment owed to the
user and a dated one the user owes, the monthly one repaid in two parts while
the main window's reminder that a client has not paid this month stays and
goes; the saved file checked."""
import datetime

import kzdrive

TITLE = "Brisklane Kerva Zyl - home.kv7"
NOT_PAID = "Есть клиенты, не расплатившиеся за текущий месяц."
OWED, OWING = "Клиент должен Вам", "Вы должны клиенту"  # the two sides


def scenario(desk):
    path = desk.new_file("home.kv7")
    app = desk.start("--open", path)
    main = app.window(TITLE)

    def ask(button, *answers):
        main.find("push button", button).press()
        for answer in answers:  # each box asked the moment the one before has gone
            app.modal().answer(answer)

    ask("Добавить... состояние", "Кошелёк")
    ask("Добавить... клиента", "Иван Петров")
    ask("Добавить и.е.", "евро", "€")  # a currency unit: its name, then its sign
    units = main.find("list", "Настройка Используемых Единиц:")
    units.select("доллары($)")
    ask("Изменить и.е.", "гривны", "грн")
    units.select("евро(€)")
    main.find("push button", "Удалить и.е.").press()  # the link under the list
    app.confirm("Вы уверены, что хотите удалить Используемую денежную Единицу евро?")
    assert units.rows == ["рубли(р.)", "гривны(грн)"], units.rows

    today = datetime.date.today()
    month, stamp = f"(за {today.month}.{today.year})", today.strftime("%d.%m.%Y")
    due = (today + datetime.timedelta(days=20)).strftime("%d.%m.%Y")
    # Both sides have the same captions: a button's name ends with its side's.
    button = lambda client, caption, side: client.find("push button", f"{caption} ({side})")

    def open_client():
        main.find("push button", "Открыть >>> клиента").press()
        return app.window(TITLE, holding=("push button", "<<< Назад"))

    def back(client):
        client.find("push button", "<<< Назад").press()
        main = app.window(TITLE, holding=("push button", "Открыть >>> клиента"))
        return main, main.find("text", "Клиенты: напоминания").text

    client = open_client()
    for side, sum_, info, date in [(OWED, "1000", "Аренда", None), (OWING, "2500", "Ремонт", due)]:
        button(client, "Добавить платеж", side).press()
        entry = app.modal()
        entry.find("text", "Сумма,р.:").type(sum_)
        entry.find("text", "Информация:").type(info)
        if date is None:
            entry.find("check box", "Ежемесячный платеж").press()
            assert not entry.find("text", "Дата/ежемесячно:").enabled
        else:
            entry.find("text", "Дата/ежемесячно:").type(date)
        entry.press("Добавить")
    assert client.find("table", OWED).table == [["1", "1000", "ежемесячно", month + "Аренда"]]
    main, reminders = back(client)
    assert main.find("list", "Клиенты:").rows == ["Иван Петров(должен)"]
    assert NOT_PAID in reminders

    for sum_, paid in [("400", False), ("600", True)]:
        client = open_client()
        client.find("table", OWED).select(0)
        button(client, "Вернуть деньги", OWED).press()
        app.modal().press("Да")  # return money on this payment?
        app.modal().answer(sum_)
        app.confirm(f"Вы уверены, что Вам хотят вернуть долг(или часть долга) в размере {sum_}р.")
        assert (client.find("table", OWED).table[0][0] == "ok") == paid
        main, reminders = back(client)
        assert (NOT_PAID in reminders) != paid, reminders
    assert main.find("list", "Клиенты:").rows == ["Иван Петров"]

    main.find("push button", "Сохранить").press()
    doc = desk.dump(path, until=lambda doc: doc["clients"][0]["clondolok"][1])
    assert [(u["cap"], u["short"]) for u in doc["units"]] == [
        ("рубли", "р."), ("гривны", "грн"), ("", "")], doc["units"]
    assert [s["sostname"] for s in doc["sosts"]] == ["Личные деньги", "Кошелёк"]
    c = {key: [e for e in value if e] if isinstance(value, list) else value
         for key, value in doc["clients"][0].items()}  # the lists' used slots
    assert (c["clondolkm"], c["clvydolkm"]) == (
        [f"1000\tежемесячно\t{month}Аренда"], [f"2500\t{due}\tРемонт"]), c
    assert c["clondolok"] == [f"600\t{stamp}\t{month}Аренда", f"400\t{stamp}\t{month}Аренда"], c
    main.find("menu item", "Выход").press()  # saved: leaving asks only whether to leave
    app.confirm("Выйти из Kerva?")
    assert app.wait_exit() == 0


kzdrive.run(scenario)
