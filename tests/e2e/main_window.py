"""Main window: a state, a client and a currency unit added through the buttons
and input boxes, a unit renamed, two refusals read, the reminder boxes read,
and the file saved and checked."""
import kzdrive


def scenario(desk):
    path = desk.new_file("home.kv7")
    app = desk.start("--open", path)
    main = app.window("Brisklane Kerva Zyl - home.kv7")

    main.control("cmdAddSost").press()
    name = app.modal()
    assert name.message == "Введите название нового состояния:", name.message
    name.answer("Кошелёк")
    main.control("cmdAddClient").press()
    app.modal().answer("Иван Петров")
    main.find("push button", "Добавить").press()  # a currency unit: its name, then its sign
    app.modal().answer("евро")
    app.modal().answer("€")
    units = main.control("lstIE")
    units.choose("доллары($)")
    main.find("push button", "Изменить").press()
    app.modal().answer("гривны")
    app.modal().answer("грн")
    assert units.rows == ["рубли(р.)", "гривны(грн)", "евро(€)"], units.rows
    assert main.control("lstSost").rows == ["Личные деньги", "Кошелёк"]
    assert main.control("lstClients").rows == ["Иван Петров"]

    main.find("push button", "Добавить").press()
    full = app.modal()
    assert full.message == "Нельзя создать более 3 и.е.!", full.message
    full.press("ОК")
    units.choose("рубли(р.)")
    main.find("label", "Удалить").click()
    used = app.modal()
    assert used.message == ("Эта и.е. используется в состоянии Личные деньги\n"
                            "Измените и.е. в этом состоянии и повторите попытку удаления.")
    used.press("ОК")
    assert units.rows == ["рубли(р.)", "гривны(грн)", "евро(€)"], units.rows

    reminders = [main.control(k).text for k in ("txtRemindToday", "txtSostToday", "txtClientToday")]
    assert reminders == ["Вам надо вернуть долг:0\nВам должны вернуть долг:0",
                         "Общая сумма 2 состояний: \n0\n\nВы должны:0\nВам должны:0",
                         "Репутация клиентов:\nхорошая:0\nплохая:0"], reminders

    main.control("Image1").press()  # save
    doc = desk.dump(path, until=lambda doc: doc["clientkol"] == 1)
    assert [(u["cap"], u["short"]) for u in doc["units"]] == [
        ("рубли", "р."), ("гривны", "грн"), ("евро", "€")]
    assert [(s["sostname"], s["ienum"]) for s in doc["sosts"]] == [
        ("Личные деньги", 1), ("Кошелёк", 1)]
    assert [(c["clientname"], c["ienum"]) for c in doc["clients"]] == [("Иван Петров", 1)]

    # Saved, so leaving asks only whether to leave.
    main.find("menu item", "Выход").press()
    bye = app.modal()
    assert bye.message == "Выйти из Kerva?", bye.message
    bye.press("Да")
    assert app.wait_exit() == 0


kzdrive.run(scenario)
