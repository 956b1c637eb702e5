"""Start window: a new data file is created, saved on the way out, then found
again through the remembered last file and the file dialog, and opened."""
import kzdrive

WELCOME = "Добро пожаловать в Brisklane Kerva!"
MAIN = "Brisklane Kerva Zyl - budget.kv7"


def scenario(desk):
    path = desk.path("budget.kv7")
    app = desk.start()  # the splash first, then the start window
    login = app.window(WELCOME, kzdrive.SPLASH)
    assert login.find("radio button", "Создать новый файл Kerva").checked
    login.control("txtFile").type(path[: -len(".kv7")])
    login.find("push button", "Открыть >>>").press()
    ask = app.modal()
    assert ask.message == "Файл должен иметь расширение .kv7. Добавить это расширение и продолжить?"
    ask.press("Да")
    main = app.window(MAIN)

    # One change, so that leaving asks to save.
    main.find("label", "Пользователь").click()
    app.modal().answer("Анна")
    main.find("menu item", "Выход").press()
    save = app.modal()
    assert save.message.startswith("Ваши данные изменились и не были сохранены."), save.message
    save.press("Да")
    bye = app.modal()
    assert bye.message == "Выйти из Kerva?", bye.message
    bye.press("Да")
    assert app.wait_exit() == 0
    doc = desk.dump(path)
    assert doc["name"] == "Анна", doc["name"]
    assert [(s["sostname"], s["bal"]) for s in doc["sosts"]] == [("Личные деньги", 0)]
    assert doc["clientkol"] == 0

    app = desk.start()
    login = app.window(WELCOME, kzdrive.SPLASH)
    txt = login.control("txtFile")
    assert txt.text == path, f"remembered file {txt.text!r}"
    assert login.find("radio button", "Открыть существующий файл Kerva").checked
    # Choosing a file in the dialog switches back from "create" to "open".
    create = login.find("radio button", "Создать новый файл Kerva")
    create.press()
    assert create.checked
    txt.type("")
    login.find("push button", "Обзор").press()
    app.modal().choose_file(path)
    assert txt.text == path, txt.text
    assert login.find("radio button", "Открыть существующий файл Kerva").checked
    login.find("push button", "Открыть >>>").press()
    main = app.window(MAIN)
    main.find("label", "Анна")  # the user name read from the file

    main.control("imgExit").press()
    back = app.modal()
    assert back.message == "Закрыть файл и вернуться в стартовое окно?", back.message
    back.press("Да")
    app.window(WELCOME).find("push button", "Отмена").press()
    assert app.wait_exit() == 0


kzdrive.run(scenario)
