#include "tools/frmShtrih.h"

#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "platform/qt/Widgets.h"

namespace kz {

namespace {

// A thin upright rule between the groups of digits (1, 6 and 6), as they are
// printed under the bars.
QFrame* GroupRule(QWidget* parent) {
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

}  // namespace

frmShtrih::frmShtrih(Platform& ui, QWidget* parent) : QWidget(parent, Qt::Window), ui_(ui) {
    setObjectName("frmShtrih");
    setWindowTitle(QStringLiteral("Проверка штрих-кода"));

    QLabel* Label1 = Label(this, "Label1", QStringLiteral("Проверка штрих-кода"));
    QFont heading = Label1->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.5);
    heading.setBold(true);
    Label1->setFont(heading);

    QLabel* Metka1 = Label(this, "Метка1",
                           QStringLiteral("Введите штрих-код (по одной цифре в каждое текстовое "
                                          "поле)  и нажмите \"Проверить\".  После нажатия на эту "
                                          "кнопку  вы увидите результат: верный код или "
                                          "подделанный."));
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
        box->setAccessibleName(QStringLiteral("Цифра %1").arg(i + 1));
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

    cmdStart = Button(this, "cmdStart", QStringLiteral("Проверить"));
    cmdClear = Button(this, "cmdClear", QStringLiteral("Очистить"));
    cmd = Button(this, "cmd", QStringLiteral("Отмена"));

    // "Проверить" comes first: the last digit hands the focus on to it.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    buttons->addWidget(cmdStart);
    buttons->addWidget(cmdClear);
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

    TabOrderFollowsLayout(this);
    WindowKeys(this, cmdStart, true);
    txt.front()->setFocus();
}

BarcodeBoxes frmShtrih::Boxes() const {
    BarcodeBoxes boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = S(txt[i]->text());
    return boxes;
}

void frmShtrih::CheckBarcode() {
    kz::CheckBarcode(ui_, Boxes());
}

void frmShtrih::ClearBarcode() {
    BarcodeBoxes boxes = Boxes();
    kz::ClearBarcode(boxes);
    for (std::size_t i = 0; i < boxes.size(); ++i) txt[i]->setText(Q(boxes[i]));
    txt.front()->setFocus(Qt::OtherFocusReason);
}

void frmShtrih::DigitTyped(int index) {
    const auto i = static_cast<std::size_t>(index);
    if (txt[i]->text().size() != 1) return;
    QWidget* next = i + 1 < txt.size() ? static_cast<QWidget*>(txt[i + 1]) : cmdStart;
    next->setFocus(Qt::TabFocusReason);
}

}  // namespace kz
