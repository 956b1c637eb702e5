"""Start window: a new data file is created in the data folder, the user renamed
from the keyboard alone, the file saved on the way out; then the file is found
again through the remembered last file and through the file dialog, which
speaks Russian (its words and the file's date) whatever the system's language,
and opened."""
import re

import kzdrive

WELCOME = "Добро пожаловать в Brisklane Kerva!"
MAIN = "Brisklane Kerva Zyl - budget.kv7"
FILE_FIELD = "Введите имя файла или укажите его явно, нажав на кнопку Обзор."


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
    app.confirm("Файл должен иметь расширение .kv7. Добавить это расширение и продолжить?")
    main = app.window(MAIN)

    # The keyboard alone: the window opens on its list of states; the user's
    # name, a link, comes before it in the tab order, and Enter presses it.
    for node, keys in [(main.find("list", "Состояния:"), ()),
                       (main.find("push button", "Пользователь"), ["shift+Tab"] * 3)]:
        desk.keys(*keys)
        kzdrive.wait_for(lambda: node.focused, kzdrive.TIMEOUT, f"{node!r} focused")
    desk.keys("Return")
    app.modal("Введите новое имя пользователя:").answer("Анна")
    main.find("menu item", "Выход").press()
    for question in ("Ваши данные изменились и не были сохранены.", "Выйти из Kerva?"):
        box = app.modal()
        assert box.message.startswith(question), box.message
        box.press("Да")
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
    dialog.find("label", "Имя файла:")
    files = dialog.find("tree", "Файлы")
    cells = kzdrive.wait_for(
        lambda: [c.text for c in files.descendants() if c.role == "table cell"] or None,
        kzdrive.TIMEOUT, "the files of the data folder", dialog.listing)
    assert "budget.kv7" in cells, cells
    assert any(re.fullmatch(r"\d\d\.\d\d\.\d{4} \d\d:\d\d", c) for c in cells), cells
    dialog.find("text").type(path)
    dialog.press("Открыть")
    assert field.text == path, field.text
    assert login.find("radio button", "Открыть существующий файл Kerva").checked
    login.find("push button", "Открыть >>>").press()
    main = app.window(MAIN)
    main.find("push button", "Анна")  # the user name read from the file

    main.find("push button", "Перейти на стартовую страницу").press()
    app.confirm("Закрыть файл и вернуться в стартовое окно?")
    app.window(WELCOME).find("push button", "Отмена").press()
    assert app.wait_exit() == 0


kzdrive.run(scenario)
