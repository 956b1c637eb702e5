"""Main window: a state, a client and currency units added through the buttons
and input boxes; units chosen, renamed and
deleted and the user renamed through the accessibility interface alone (no
mouse, no keyboard); the file saved and checked."""
import kzdrive


def scenario(desk):
    path = desk.new_file("home.kv7")
    app = desk.start("--open", path)
    main = app.window("Brisklane Kerva Zyl - home.kv7")

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
    assert units.rows == ["рубли(р.)", "гривны(грн)", "евро(€)"], units.rows
    assert main.find("list", "Состояния:").rows == ["Личные деньги", "Кошелёк"]
    assert main.find("list", "Клиенты:").rows == ["Иван Петров"]
    units.select("евро(€)")
    main.find("push button", "Удалить и.е.").press()  # the link under the list
    sure = app.modal()
    assert sure.message == "Вы уверены, что хотите удалить Используемую денежную Единицу евро?"
    sure.press("Да")
    assert units.rows == ["рубли(р.)", "гривны(грн)"], units.rows
    ask("Пользователь", "Анна")  # the user's name, a link too
    main.find("push button", "Анна")

    main.find("push button", "Сохранить").press()
    doc = desk.dump(path, until=lambda doc: doc["clientkol"] == 1)
    assert [(u["cap"], u["short"]) for u in doc["units"]] == [
        ("рубли", "р."), ("гривны", "грн"), ("", "")], doc["units"]
    assert [(s["sostname"], s["ienum"]) for s in doc["sosts"]] == [
        ("Личные деньги", 1), ("Кошелёк", 1)]
    assert [(c["clientname"], c["ienum"]) for c in doc["clients"]] == [("Иван Петров", 1)]
    assert doc["name"] == "Анна", doc["name"]
    main.find("menu item", "Выход").press()  # saved: leaving asks only whether to leave
    app.confirm("Выйти из Kerva?")
    assert app.wait_exit() == 0


kzdrive.run(scenario)
