"""State window: two incomes, a spending and two loans entered through the
dialogs, the red "Вам должны..." button, a debt repaid in part in the list
window, the income graph drawn and closed, and the way back to the main
window; the saved file is checked."""
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
    for person, amount, choice, value, date in [
            ("Иван", "1000", "Проценты (в месяц):", "3", day(30)),
            ("Пётр", "500", "Сумма возврата (к концу срока):", "500", "")]:
        state.find("push button", "Одолжить деньги").press()
        dialog = app.window("Одолжить деньги")
        dialog.find("combo box", "Кому:").find("text").type(person)
        dialog.find("text", "Сколько (р.):").type(amount)
        dialog.find("radio button", choice).press()
        field = dialog.find("text", choice + " значение")
        kzdrive.wait_for(lambda: field.enabled, kzdrive.TIMEOUT, f"{choice} open to typing")
        field.type(value)
        dialog.find("text", "Дата возврата:").type(date)
        dialog.find("push button", "Одолжить").press()
        app.confirm(f"Вы уверены, что хотите одолжить {amount} и.е. ?")
    assert balance.text == "2300", balance.text
    assert owed.description.endswith("В списке есть долги."), owed.description  # red

    # The debt list: the newest debt, without interest, repaid in part.
    owed.press()
    debts = large("Вернуть")
    grid = debts.find("table", "Вам должны вернуть следующие долги")
    row = [grid.cell(0, c).name for c in range(8)]
    assert row == ["1", "500", day(0), "Пётр", "", "500", "", ""], row
    assert grid.cell(1, 5).name == "1030"  # 3 % a month for 30 days
    grid.cell(0, 3).click()
    debts.find("push button", "Вернуть").press()
    box = app.modal()
    assert "Сумма возврата: (выбор)" in box.message, box.message
    box.press("Да")
    app.modal().answer("200")
    app.confirm("Вы уверены, что Вам хотят вернуть долг(или часть долга) в размере 200р.")
    kzdrive.wait_for(lambda: grid.cell(0, 5).name == "300", kzdrive.TIMEOUT, "300 left to pay")

    # The income list and its graph, closed by its hint.
    debts.find("push button", "<<< Назад").press()
    assert large("Добавить зарплату").find("text", "Текущая сумма:").text == "2500"
    large("Добавить зарплату").find("push button", "Доходы...").press()
    incomes = large("Построить график")
    assert incomes.find("table", "Старые доходы состояния Личные деньги").cell(1, 1).name == "3000"
    incomes.find("push button", "Построить график").press()
    graph = app.window("Brisklane Kerva Zyl")
    graph.find("label", "Личные деньги: график доходов")
    graph.find("push button", "Чтобы вернуться в предыдущее окно, нажмите Esc.").press()
    kzdrive.wait_for(lambda: not graph.showing, kzdrive.TIMEOUT, "the graph closed")

    incomes.find("push button", "<<< Назад").press()
    large("Добавить зарплату").find("push button", "<<< Назад").press()
    main = large("Открыть >>> состояние")

    main.find("push button", "Сохранить").press()
    sost = desk.dump(path, until=lambda doc: doc["sosts"][0]["bal"] == 2500)["sosts"][0]
    assert sost["dohod"][:2] == [f"2000\t{day(0)}\tЗарплата", f"3000\t{day(-1)}\tАванс"], sost
    assert sost["ondol"][:2] == [f"500\t{day(0)}\tПётр\t\t300\t\t",
                                 f"1000\t{day(0)}\tИван\t\t\t3\t{day(30)}"], sost["ondol"]
    main.find("menu item", "Выход").press()
    app.confirm("Выйти из Kerva?")
    assert app.wait_exit() == 0


kzdrive.run(scenario)
