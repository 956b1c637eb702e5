"""State window: an income, a spending and a loan entered through the
dialogs, the red "Вам должны..." button, the debt repaid in part in the list
window, and the way back to the main window; the saved file is checked."""
import datetime

import kzdrive

TITLE = "Brisklane Kerva Zyl - home.kv7"


def day(offset):
    return (datetime.date.today() + datetime.timedelta(days=offset)).strftime("%d.%m.%Y")


def scenario(desk):
    path = desk.new_file("home.kv7")
    app = desk.start("--open", path)
    # The main, state and list windows share the title: each is told by a button.
    large = lambda button: app.window(TITLE, holding=("push button", button))
    large("Открыть >>> состояние").find("push button", "Открыть >>> состояние").press()
    state = large("Добавить зарплату")
    balance = state.find("text", "Текущая сумма:")

    for button, title, fields, ok, question in [
            ("Добавить зарплату", "Добавление суммы к балансу",
             {"Дата получения:": day(-1), "Сумма (р.):": "3000", "Источник": "Аванс"},
             "Добавить", "Вы уверены, что хотите добавить 3000 и.е. к вашему балансу?"),
            ("Потратить деньги", "Трата суммы из баланса",
             {"Сумма (р.):": "1200", "На что:": "Продукты"},
             "Потратить", "Вы уверены, что хотите потратить 1200 и.е. (Продукты) ?")]:
        state.find("push button", button).press()
        dialog = app.window(title)
        for field, text in fields.items():
            dialog.find("text", field).type(text)
        dialog.find("push button", ok).press()
        app.confirm(question)
    assert balance.text == "1800", balance.text

    owed = state.find("push button", "Вам должны...")
    assert owed.description.endswith("Список пуст."), owed.description
    state.find("push button", "Одолжить деньги").press()
    dialog = app.window("Одолжить деньги")
    dialog.find("combo box", "Кому:").find("text").type("Пётр")
    dialog.find("text", "Сколько (р.):").type("500")
    dialog.find("radio button", "Сумма возврата (к концу срока):").press()
    field = dialog.find("text", "Сумма возврата (к концу срока): значение")
    kzdrive.wait_for(lambda: field.enabled, kzdrive.TIMEOUT, "the return sum open to typing")
    field.type("500")
    dialog.find("push button", "Одолжить").press()
    app.confirm("Вы уверены, что хотите одолжить 500 и.е. ?")
    assert balance.text == "1300", balance.text
    assert owed.description.endswith("В списке есть долги."), owed.description  # red

    # The debt list: the debt repaid in part.
    owed.press()
    debts = large("Вернуть")
    grid = debts.find("table", "Вам должны вернуть следующие долги")
    assert grid.table == [["1", "500", day(0), "Пётр", "", "500", "", ""]], grid.table
    grid.cell(0, 3).click()
    debts.find("push button", "Вернуть").press()
    app.modal().press("Да")  # return money on this debt?
    app.modal().answer("200")
    app.confirm("Вы уверены, что Вам хотят вернуть долг(или часть долга) в размере 200р.")
    kzdrive.wait_for(lambda: grid.cell(0, 5).name == "300", kzdrive.TIMEOUT, "300 left to pay")

    debts.find("push button", "<<< Назад").press()
    state = large("Добавить зарплату")
    assert state.find("text", "Текущая сумма:").text == "1500"
    state.find("push button", "<<< Назад").press()
    main = large("Открыть >>> состояние")

    main.find("push button", "Сохранить").press()
    sost = desk.dump(path, until=lambda doc: doc["sosts"][0]["bal"] == 1500)["sosts"][0]
    assert sost["dohod"][:2] == [f"3000\t{day(-1)}\tАванс", ""], sost
    assert sost["ondol"][:2] == [f"500\t{day(0)}\tПётр\t\t300\t\t", ""], sost["ondol"]
    main.find("menu item", "Выход").press()
    app.confirm("Выйти из Kerva?")
    assert app.wait_exit() == 0


kzdrive.run(scenario)
