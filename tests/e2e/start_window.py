"""Start window: a new data file is created in the data folder, the user renamed
from the keyboard alone, the file saved as it is closed, and the program left
from the start window."""
import kzdrive

WELCOME = "Добро пожаловать в Brisklane Kerva!"


def scenario(desk):
    app = desk.start()  # the splash first, then the start window
    login = app.window(WELCOME, kzdrive.SPLASH)
    field = login.find("text", "Введите имя файла или укажите его явно, нажав на кнопку Обзор.")
    folder = field.text  # at the first start the field begins with the data folder
    assert folder.endswith("/Kerva Files/"), folder
    field.type(folder + "budget")
    login.find("push button", "Открыть >>>").press()
    app.confirm("Файл должен иметь расширение .kv7. Добавить это расширение и продолжить?")
    main = app.window("Brisklane Kerva Zyl - budget.kv7")

    # The keyboard alone: the window opens on its list of states; the user's
    # name, a link, comes before it in the tab order, and Enter presses it.
    for node, keys in [(main.find("list", "Состояния:"), ()),
                       (main.find("push button", "Пользователь"), ["shift+Tab"] * 3)]:
        desk.keys(*keys)
        kzdrive.wait_for(lambda: node.focused, kzdrive.TIMEOUT, f"{node!r} focused")
    desk.keys("Return")
    app.modal("Введите новое имя пользователя:").answer("Анна")
    main.find("push button", "Перейти на стартовую страницу").press()
    box = app.modal()
    assert box.message.startswith("Ваши данные изменились и не были сохранены."), box.message
    box.press("Да")
    app.confirm("Закрыть файл и вернуться в стартовое окно?")
    app.window(WELCOME).find("push button", "Отмена").press()
    assert app.wait_exit() == 0
    doc = desk.dump(folder + "budget.kv7")
    assert doc["name"] == "Анна", doc["name"]
    assert [(s["sostname"], s["bal"]) for s in doc["sosts"]] == [("Личные деньги", 0)]


kzdrive.run(scenario)
