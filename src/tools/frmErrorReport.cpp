#include "tools/frmErrorReport.h"

#include <QCloseEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/Widgets.h"
#include "tools/ErrorReport.h"

namespace kz {

frmErrorReport::frmErrorReport(Platform& ui, std::string programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), ui_(ui), programFolder_(std::move(programFolder)) {
    setObjectName("frmErrorReport");
    setWindowTitle(QStringLiteral("Отчет об ошибках Kerva Zyl"));

    Text1 = Named(new QPlainTextEdit(this), "Text1");
    Text1->setTabChangesFocus(true);  // Tab goes on to the buttons
    QLabel* Label1 =
        FieldLabel(this, "Label1",
                   QStringLiteral("Здесь Вы можете записывать все ошибки, обнаруженные в "
                                  "данной версии Kerva Zyl. Вся информация будет сохранена "
                                  "в файл krvzylreport.txt в директории Kerva Zyl."),
                   Text1);
    Label1->setWordWrap(true);
    QLabel* lblVer = Label(this, "lblVer", Q(ErrorNotesVersionText()));
    QLabel* lblUpdate = Label(this, "lblUpdate", Q(ErrorNotesReleaseText()));
    QFont small = lblVer->font();
    small.setBold(true);
    lblVer->setFont(small);

    // The file's line breaks are CR LF; the editor keeps bare LF.
    Text1->setPlainText(ShownText(LoadErrorNotes(ui_, programFolder_)));

    cmdSave = Button(this, "cmdSave", QStringLiteral("Сохранить"));
    cmdCancel = Button(this, "cmdCancel", QStringLiteral("Отмена"));

    auto* version = new QHBoxLayout;
    version->addWidget(lblVer);
    version->addStretch(1);
    version->addWidget(lblUpdate);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(Label1);
    layout->addLayout(version);
    layout->addWidget(Text1, 1);
    layout->addLayout(buttons);

    // Connected after loading: the notes as read count as unchanged.
    connect(Text1, &QPlainTextEdit::textChanged, this, [this] { changed_ = true; });
    connect(cmdSave, &QPushButton::clicked, this, &frmErrorReport::SaveErrorNotes);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    WindowKeys(this, nullptr, true);

    resize(600, 440);
    Text1->setFocus();
}

std::string frmErrorReport::Text() const {
    return StoredText(Text1->toPlainText());
}

void frmErrorReport::closeEvent(QCloseEvent* event) {
    if (CloseErrorNotes(ui_, programFolder_, Text(), changed_)) {
        changed_ = false;
        event->accept();
    } else {
        event->ignore();
    }
}

void frmErrorReport::SaveErrorNotes() {
    if (kz::SaveErrorNotes(ui_, programFolder_, Text())) changed_ = false;
}

}  // namespace kz
