"""Main window: a state, a client and currency units added through the buttons
and input boxes; units chosen, renamed and deleted and the user renamed through
the accessibility interface alone (no mouse, no keyboard); refusals read; the
converter's long result read; the monthly reports made and their window closed
with Escape; the reminder boxes read; every box seen over the main window;
the file saved and checked."""
import kzdrive


def scenario(desk):
    path = desk.new_file("home.kv7")
    app = desk.start("--open", path)
    main = app.window("Brisklane Kerva Zyl - home.kv7")

    main.find("push button", "Добавить... состояние").press()
    name = app.modal()
    assert name.message == "Введите название нового состояния:", name.message
    name.over(main)
    name.answer("Кошелёк")
    main.find("push button", "Добавить... клиента").press()
    app.modal().answer("Иван Петров")
    main.find("push button", "Добавить и.е.").press()  # a currency unit: its name, then its sign
    app.modal().answer("евро")
    sign = app.modal()  # asked the moment the first box has gone
    sign.over(main)
    sign.answer("€")
    units = main.find("list", "Настройка Используемых Единиц:")
    units.select("доллары($)")
    main.find("push button", "Изменить и.е.").press()
    app.modal().answer("гривны")
    app.modal().answer("грн")
    assert units.rows == ["рубли(р.)", "гривны(грн)", "евро(€)"], units.rows
    assert main.find("list", "Состояния:").rows == ["Личные деньги", "Кошелёк"]
    assert main.find("list", "Клиенты:").rows == ["Иван Петров"]

    main.find("push button", "Добавить и.е.").press()
    full = app.modal()
    assert full.message == "Нельзя создать более 3 и.е.!", full.message
    full.over(main)
    full.press("ОК")
    units.select("рубли(р.)")
    main.find("push button", "Удалить и.е.").press()  # the link under the list
    used = app.modal()
    assert used.message == ("Эта и.е. используется в состоянии Личные деньги\n"
                            "Измените и.е. в этом состоянии и повторите попытку удаления.")
    used.press("ОК")
    units.select("евро(€)")
    main.find("push button", "Удалить и.е.").press()
    sure = app.modal()
    assert sure.message == "Вы уверены, что хотите удалить Используемую денежную Единицу евро?"
    sure.press("Да")
    assert units.rows == ["рубли(р.)", "гривны(грн)"], units.rows
    main.find("push button", "Пользователь").press()  # the user's name, a link too
    app.modal().answer("Анна")
    main.find("push button", "Анна")

    # A long result shows whole, from its first digit.
    main.find("text", "Соотношение: и.е.1").type("1,5")
    main.find("text", "Соотношение: и.е.2").type("4")
    main.find("radio button", "и.е.2 => и.е.1").press()
    main.find("text", "Введите исх.сумму:").type("10")
    main.find("push button", "ОК").press()
    result = main.find("text", "Результат:")
    kzdrive.wait_for(lambda: result.text == "26,6666666666667", kzdrive.TIMEOUT,
                     f"the result (shows {result.text!r})")
    assert main.find("text", "Соотношение: и.е.1").text == "1.5"

    main.find("menu item", "Создать отчеты по всем состояниям").press()
    made = app.modal()
    assert made.message.startswith("Отчеты созданы и сохранены в файл home-report-"), made.message
    made.over(main)
    made.press("ОК")
    report = app.window("Отчет")
    assert "Личные деньги" in report.find("text", "Отчет").text
    desk.keys("Escape")
    kzdrive.wait_for(lambda: not report.showing, kzdrive.TIMEOUT, "the report closed by Escape",
                     app.listing)

    reminders = [main.find("text", name).text
                 for name in ("Напоминания:", "Состояния: напоминания", "Клиенты: напоминания")]
    assert reminders == ["Вам надо вернуть долг:0\nВам должны вернуть долг:0",
                         "Общая сумма 2 состояний: \n0\n\nВы должны:0\nВам должны:0",
                         "Репутация клиентов:\nхорошая:0\nплохая:0"], reminders

    main.find("push button", "Сохранить").press()
    doc = desk.dump(path, until=lambda doc: doc["clientkol"] == 1)
    assert [(u["cap"], u["short"]) for u in doc["units"]] == [
        ("рубли", "р."), ("гривны", "грн"), ("", "")], doc["units"]
    assert [(s["sostname"], s["ienum"]) for s in doc["sosts"]] == [
        ("Личные деньги", 1), ("Кошелёк", 1)]
    assert [(c["clientname"], c["ienum"]) for c in doc["clients"]] == [("Иван Петров", 1)]
    assert doc["name"] == "Анна", doc["name"]

    # Saved, so leaving asks only whether to leave.
    main.find("menu item", "Выход").press()
    bye = app.modal()
    assert bye.message == "Выйти из Kerva?", bye.message
    bye.over(main)
    bye.press("Да")
    assert app.wait_exit() == 0


kzdrive.run(scenario)
