#include "tools/frmShtrih.h"

#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "gui/App.h"

namespace kz {

namespace {

QPointer<frmShtrih> g_shtrih;

QPushButton* NamedButton(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

// A thin upright rule between the groups of digits (1, 6 and 6), as they are
// printed under the bars.
QFrame* GroupRule(QWidget* parent) {
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

}  // namespace

frmShtrih::frmShtrih(App& app, QWidget* parent) : QWidget(parent, Qt::Window), app_(app) {
    setObjectName("frmShtrih");
    setWindowTitle(QStringLiteral("Проверка штрих-кода"));
    setAttribute(Qt::WA_DeleteOnClose);

    Label1 = new QLabel(QStringLiteral("Проверка штрих-кода"), this);
    Label1->setObjectName("Label1");
    QFont heading = Label1->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.5);
    heading.setBold(true);
    Label1->setFont(heading);

    Metka1 = new QLabel(QStringLiteral("Введите штрих-код (по одной цифре в каждое текстовое "
                                       "поле)  и нажмите \"Проверить\".  После нажатия на эту "
                                       "кнопку  вы увидите результат: верный код или "
                                       "подделанный."),
                        this);
    Metka1->setObjectName(QStringLiteral("Метка1"));
    Metka1->setWordWrap(true);

    // Digits only: the check would read anything else as 0 anyway.
    auto* digit =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]")), this);
    QFont digitFont = font();
    digitFont.setPointSizeF(digitFont.pointSizeF() * 1.6);
    auto* digits = new QHBoxLayout;
    digits->setSpacing(4);
    digits->setContentsMargins(12, 12, 12, 12);
    digits->addStretch(1);
    for (int i = 0; i < kBarcodeLength; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txt%1").arg(i + 1));
        box->setMaxLength(1);
        box->setValidator(digit);
        box->setAlignment(Qt::AlignCenter);
        box->setFont(digitFont);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 2 + 14);
        // Weight in the check sum; the check digit has none.
        if (i < kBarcodeLength - 1) box->setProperty("weight", i % 2 == 0 ? 1 : 3);
        txt[static_cast<std::size_t>(i)] = box;
        if (i == 1 || i == 7) digits->addWidget(GroupRule(this));
        digits->addWidget(box);
        connect(box, &QLineEdit::textChanged, this, [this, i] { DigitTyped(i); });
    }
    digits->addStretch(1);

    cmdStart = NamedButton("cmdStart", QStringLiteral("Проверить"), this);
    cmdStart->setDefault(true);
    cmdClear = NamedButton("cmdClear", QStringLiteral("Очистить"), this);
    cmd = NamedButton("cmd", QStringLiteral("Отмена"), this);

    for (int i = 0; i + 1 < kBarcodeLength; ++i)
        setTabOrder(txt[static_cast<std::size_t>(i)], txt[static_cast<std::size_t>(i + 1)]);
    setTabOrder(txt.back(), cmdStart);
    setTabOrder(cmdStart, cmdClear);
    setTabOrder(cmdClear, cmd);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(cmdClear);
    buttons->addStretch(1);
    buttons->addWidget(cmdStart);
    buttons->addWidget(cmd);

    auto* code = new QGroupBox(this);
    code->setLayout(digits);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(14);
    layout->addWidget(Label1);
    layout->addWidget(Metka1);
    layout->addWidget(code);
    layout->addLayout(buttons);
    // A small tool: its size is what its content needs.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Metka1->setMinimumWidth(540);

    connect(cmdStart, &QPushButton::clicked, this, &frmShtrih::CheckBarcode);
    connect(cmdClear, &QPushButton::clicked, this, &frmShtrih::ClearBarcode);
    connect(cmd, &QPushButton::clicked, this, &QWidget::close);

    txt.front()->setFocus();
}

BarcodeBoxes frmShtrih::Boxes() const {
    BarcodeBoxes boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = txt[i]->text().toStdString();
    return boxes;
}

void frmShtrih::CheckBarcode() {
    kz::CheckBarcode(app_.ui(), Boxes());
}

void frmShtrih::ClearBarcode() {
    BarcodeBoxes boxes = Boxes();
    kz::ClearBarcode(boxes);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        txt[i]->setText(QString::fromStdString(boxes[i]));
    txt.front()->setFocus(Qt::OtherFocusReason);
}

void frmShtrih::DigitTyped(int index) {
    const auto i = static_cast<std::size_t>(index);
    if (txt[i]->text().size() != 1) return;
    QWidget* next = i + 1 < txt.size() ? static_cast<QWidget*>(txt[i + 1]) : cmdStart;
    next->setFocus(Qt::TabFocusReason);
}

void ShowBarcodeWindow(App& app, QWidget* parent) {
    // A closed window only waits to be deleted; it is not shown again.
    if (g_shtrih && (!g_shtrih->isVisible() || &g_shtrih->Owner() != &app)) {
        g_shtrih->close();
        g_shtrih = nullptr;
    }
    const bool created = !g_shtrih;
    // Without a parent: the large windows take turns on the screen, and a
    // child window would vanish with the one that opened it.
    if (created) g_shtrih = new frmShtrih(app);
    if (created && parent)
        g_shtrih->move(parent->frameGeometry().center() - g_shtrih->rect().center());
    g_shtrih->show();
    g_shtrih->raise();
    g_shtrih->activateWindow();
}

}  // namespace kz
