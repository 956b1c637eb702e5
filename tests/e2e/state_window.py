"""State window: two incomes, a spending and a loan entered through the
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
    assert balance.text == "0", balance.text

    for date, amount, source in [(day(-1), "3000", "Аванс"), (day(0), "2000", "Зарплата")]:
        state.find("push button", "Добавить зарплату").press()
        dialog = app.window("Добавление суммы к балансу")
        dialog.find("text", "Дата получения:").type(date)
        dialog.find("text", "Сумма (р.):").type(amount)
        dialog.find("text", "Источник").type(source)
        dialog.find("push button", "Добавить").press()
        app.confirm(f"Вы уверены, что хотите добавить {amount} и.е. к вашему балансу?")
    state.find("push button", "Потратить деньги").press()
    spend = app.window("Трата суммы из баланса")
    spend.find("text", "Сумма (р.):").type("1200")
    spend.find("text", "На что:").type("Продукты")
    spend.find("push button", "Потратить").press()
    app.confirm("Вы уверены, что хотите потратить 1200 и.е. (Продукты) ?")
    assert balance.text == "3800", balance.text

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
    assert balance.text == "3300", balance.text
    assert owed.description.endswith("В списке есть долги."), owed.description  # red

    # The debt list: the debt repaid in part.
    owed.press()
    debts = large("Вернуть")
    grid = debts.find("table", "Вам должны вернуть следующие долги")
    assert grid.table == [["1", "500", day(0), "Пётр", "", "500", "", ""]], grid.table
    grid.cell(0, 3).click()
    debts.find("push button", "Вернуть").press()
    box = app.modal()
    assert "Сумма возврата: (выбор)" in box.message, box.message
    box.press("Да")
    app.modal().answer("200")
    app.confirm("Вы уверены, что Вам хотят вернуть долг(или часть долга) в размере 200р.")
    kzdrive.wait_for(lambda: grid.cell(0, 5).name == "300", kzdrive.TIMEOUT, "300 left to pay")

    debts.find("push button", "<<< Назад").press()
    state = large("Добавить зарплату")
    assert state.find("text", "Текущая сумма:").text == "3500"
    state.find("push button", "<<< Назад").press()
    main = large("Открыть >>> состояние")

    main.find("push button", "Сохранить").press()
    sost = desk.dump(path, until=lambda doc: doc["sosts"][0]["bal"] == 3500)["sosts"][0]
    assert sost["dohod"][:2] == [f"2000\t{day(0)}\tЗарплата", f"3000\t{day(-1)}\tАванс"], sost
    assert sost["ondol"][:2] == [f"500\t{day(0)}\tПётр\t\t300\t\t", ""], sost["ondol"]
    main.find("menu item", "Выход").press()
    app.confirm("Выйти из Kerva?")
    assert app.wait_exit() == 0


kzdrive.run(scenario)
