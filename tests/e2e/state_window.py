"""State window: two incomes, a spending and two loans entered through the
dialogs, the red "Вам должны..." button, a debt repaid in part in the list
window, the income graph drawn and closed, and the way back to the main
window, whose reminder boxes then show the new figures; the saved file is
checked."""
import datetime

import kzdrive

TITLE = "Brisklane Kerva Zyl - home.kv7"


def day(offset):
    return (datetime.date.today() + datetime.timedelta(days=offset)).strftime("%d.%m.%Y")


def confirm(app, question):
    """Answers Yes to the question, which comes over the dialog that asked it."""
    box = kzdrive.wait_for(
        lambda: next(w for w in reversed(app.windows())
                     if w.role in kzdrive.BOX_ROLES and w.message == question),
        kzdrive.TIMEOUT, f"the question {question!r}", app.listing)
    box.press("Да")


def large_window(app, button):
    """The large window (main, state or list window: one title) that has `button`."""
    return app.window(TITLE, holding=("push button", button))


def income(app, state, date, amount, source):
    state.find("push button", "Добавить зарплату").press()
    dialog = app.window("Добавление суммы к балансу")
    dialog.find("text", "Дата получения:").type(date)
    dialog.find("text", "Сумма (р.):").type(amount)
    dialog.find("text", "Источник").type(source)
    dialog.find("push button", "Добавить").press()
    confirm(app, f"Вы уверены, что хотите добавить {amount} и.е. к вашему балансу?")


def lend(desk, app, state, person, amount, percent="", return_sum="", return_date=""):
    state.find("push button", "Одолжить деньги").press()
    dialog = app.window("Одолжить деньги")
    dialog.find("combo box", "Кому:").find("text").type(person)
    dialog.find("text", "Сколько (р.):").type(amount)
    if percent:
        dialog.find("radio button", "Проценты (в месяц):").press()
        dialog.find("text", "Проценты (в месяц): значение").type(percent)
    else:
        dialog.find("radio button", "Сумма возврата (к концу срока):").press()
        field = dialog.find("text", "Сумма возврата (к концу срока): значение")
        kzdrive.wait_for(lambda: field.enabled, kzdrive.TIMEOUT, "the return sum open to typing")
        field.type(return_sum)
    dialog.find("text", "Дата возврата:").type(return_date)
    desk.shot("frmZanOdol")
    dialog.find("push button", "Одолжить").press()
    confirm(app, f"Вы уверены, что хотите одолжить {amount} и.е. ?")


def scenario(desk):
    path = desk.new_file("home.kv7")
    app = desk.start("--open", path)
    main = app.window(TITLE)
    main.find("push button", "Открыть >>> состояние").press()  # the refresh chose the only state
    state = large_window(app, "Добавить зарплату")
    balance = state.find("text", "Текущая сумма:")
    assert balance.text == "0", balance.text
    desk.shot("frmSost")

    income(app, state, day(-1), "3000", "Аванс")
    income(app, state, day(0), "2000", "Зарплата")
    state.find("push button", "Потратить деньги").press()
    spend = app.window("Трата суммы из баланса")
    spend.find("text", "Сумма (р.):").type("1200")
    spend.find("text", "На что:").type("Продукты")
    desk.shot("frmAddSell")
    spend.find("push button", "Потратить").press()
    confirm(app, "Вы уверены, что хотите потратить 1200 и.е. (Продукты) ?")
    assert balance.text == "3800", balance.text

    owed = state.find("push button", "Вам должны...")
    assert owed.description.endswith("Список пуст."), owed.description
    lend(desk, app, state, "Иван", "1000", percent="3", return_date=day(30))
    lend(desk, app, state, "Пётр", "500", return_sum="500")
    assert balance.text == "2300", balance.text
    assert owed.description.endswith("В списке есть долги."), owed.description  # red

    # The debt list: the newest debt, without interest, repaid in part.
    owed.press()
    debts = large_window(app, "Вернуть")
    grid = debts.find("table", "Вам должны вернуть следующие долги")
    row = [grid.cell(0, c).name for c in range(8)]
    assert row == ["1", "500", day(0), "Пётр", "", "500", "", ""], row
    assert grid.cell(1, 5).name == "1030"  # 3 % a month for 30 days
    grid.cell(0, 3).click()
    desk.shot("frmOld-debts")
    debts.find("push button", "Вернуть").press()
    box = app.modal()
    assert "Сумма возврата: (выбор)" in box.message, box.message
    box.press("Да")
    app.modal().answer("200")
    confirm(app, "Вы уверены, что Вам хотят вернуть долг(или часть долга) в размере 200р.")
    kzdrive.wait_for(lambda: grid.cell(0, 5).name == "300", kzdrive.TIMEOUT, "300 left to pay")

    # The income list and its graph, closed by its hint.
    debts.find("push button", "<<< Назад").press()
    state = large_window(app, "Добавить зарплату")
    assert state.find("text", "Текущая сумма:").text == "2500"
    state.find("push button", "Доходы...").press()
    incomes = large_window(app, "Построить график")
    assert incomes.find("table", "Старые доходы состояния Личные деньги").cell(1, 1).name == "3000"
    desk.shot("frmOld-incomes")
    incomes.find("push button", "Построить график").press()
    graph = app.window("Brisklane Kerva Zyl")
    graph.find("label", "Личные деньги: график доходов")
    desk.shot("frmGraph")
    graph.find("push button", "Чтобы вернуться в предыдущее окно, нажмите Esc.").press()
    kzdrive.wait_for(lambda: not graph.showing, kzdrive.TIMEOUT, "the graph closed")

    incomes.find("push button", "<<< Назад").press()
    large_window(app, "Добавить зарплату").find("push button", "<<< Назад").press()
    main = large_window(app, "Открыть >>> состояние")
    reminders = [main.find("text", k).text for k in ("Напоминания:", "Состояния: напоминания")]
    assert reminders == [
        f"Вам надо вернуть долг:0\nВам должны вернуть долг:\n{day(30)}: Иван, 1030р.",
        "Общая сумма 1 состояний: \n2500р.\n\nВы должны:0\nВам должны:1330р."], reminders

    main.find("push button", "Сохранить").press()  # save
    doc = desk.dump(path, until=lambda doc: doc["sosts"][0]["bal"] == 2500)
    sost = doc["sosts"][0]
    assert sost["dohod"][:2] == [f"2000\t{day(0)}\tЗарплата", f"3000\t{day(-1)}\tАванс"], sost["dohod"]
    assert sost["ondol"][:2] == [f"500\t{day(0)}\tПётр\t\t300\t\t",
                                 f"1000\t{day(0)}\tИван\t\t\t3\t{day(30)}"], sost["ondol"]

    main.find("menu item", "Выход").press()
    confirm(app, "Выйти из Kerva?")
    assert app.wait_exit() == 0


kzdrive.run(scenario)
