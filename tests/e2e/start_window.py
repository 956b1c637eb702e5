"""Start window: a new data file is created in the data folder, the user renamed
from the keyboard alone, the file saved on the way out; then the file is found
again through the remembered last file and through the file dialog, which
speaks Russian (its words and the file's date) whatever the system's language,
and opened. Every box is seen over the window that asked."""
import re

import kzdrive

WELCOME = "Добро пожаловать в Brisklane Kerva!"
MAIN = "Brisklane Kerva Zyl - budget.kv7"
FILE_FIELD = "Введите имя файла или укажите его явно, нажав на кнопку Обзор."


def focused(node, what):
    kzdrive.wait_for(lambda: node.focused, kzdrive.TIMEOUT, f"{what} has the keyboard focus")


def scenario(desk):
    app = desk.start(lang="C")  # the splash first, then the start window
    login = app.window(WELCOME, kzdrive.SPLASH)
    assert login.find("radio button", "Создать новый файл Kerva").checked
    field = login.find("text", FILE_FIELD)
    folder = field.text  # at the first start the field begins with the data folder
    assert folder.endswith("/Kerva Files/"), folder
    path = folder + "budget.kv7"
    field.type(folder + "budget")
    login.find("push button", "Открыть >>>").press()
    ask = app.modal()
    assert ask.message == "Файл должен иметь расширение .kv7. Добавить это расширение и продолжить?"
    ask.over(login)
    ask.press("Да")
    main = app.window(MAIN)

    # The keyboard alone: the window opens on its list of states; the user's
    # name, a link, comes before it in the tab order, and Enter presses it.
    focused(main.find("list", "Состояния:"), "the list of states")
    desk.keys("shift+Tab", "shift+Tab", "shift+Tab")
    focused(main.find("push button", "Пользователь"), "the user's name")
    desk.keys("Return")
    name = app.modal()
    assert name.message == "Введите новое имя пользователя:", name.message
    name.over(main)
    name.answer("Анна")
    main.find("menu item", "Выход").press()
    save = app.modal()
    assert save.message.startswith("Ваши данные изменились и не были сохранены."), save.message
    save.over(main)
    save.press("Да")
    bye = app.modal()
    assert bye.message == "Выйти из Kerva?", bye.message
    bye.over(main)
    bye.press("Да")
    assert app.wait_exit() == 0
    doc = desk.dump(path)
    assert doc["name"] == "Анна", doc["name"]
    assert [(s["sostname"], s["bal"]) for s in doc["sosts"]] == [("Личные деньги", 0)]
    assert doc["clientkol"] == 0

    app = desk.start(lang="en_US.UTF-8")
    login = app.window(WELCOME, kzdrive.SPLASH)
    field = login.find("text", FILE_FIELD)
    assert field.text == path, f"remembered file {field.text!r}"
    assert login.find("radio button", "Открыть существующий файл Kerva").checked
    # Choosing a file in the dialog switches back from "create" to "open".
    create = login.find("radio button", "Создать новый файл Kerva")
    create.press()
    assert create.checked
    field.type("")
    login.find("push button", "Обзор").press()
    dialog = app.modal()
    dialog.over(login)
    dialog.find("label", "Имя файла:")
    files = dialog.find("tree", "Файлы")
    cells = kzdrive.wait_for(
        lambda: [c.text for c in files.descendants() if c.role == "table cell"] or None,
        kzdrive.TIMEOUT, "the files of the data folder", dialog.listing)
    assert "budget.kv7" in cells, cells
    assert any(re.fullmatch(r"\d\d\.\d\d\.\d{4} \d\d:\d\d", c) for c in cells), cells
    dialog.choose_file(path)
    assert field.text == path, field.text
    assert login.find("radio button", "Открыть существующий файл Kerva").checked
    login.find("push button", "Открыть >>>").press()
    main = app.window(MAIN)
    main.find("push button", "Анна")  # the user name read from the file

    main.find("push button", "Перейти на стартовую страницу").press()
    back = app.modal()
    assert back.message == "Закрыть файл и вернуться в стартовое окно?", back.message
    back.over(main)
    back.press("Да")
    app.window(WELCOME).find("push button", "Отмена").press()
    assert app.wait_exit() == 0


kzdrive.run(scenario)
