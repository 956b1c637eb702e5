#include "startup/frmAbout.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/Widgets.h"
#include "startup/Startup.h"
#include "startup/frmSplash.h"

namespace kz {

frmAbout::frmAbout(const std::string& programFolder, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("О программе"));
    setModal(true);

    auto* emblem = new QLabel(this);
    emblem->setPixmap(PaintEmblem(64));

    auto* title = new QLabel(QStringLiteral("Brisklane Kerva Zyl"), this);
    QFont tf = title->font();
    tf.setPointSize(tf.pointSize() + 6);
    tf.setBold(true);
    title->setFont(tf);
    auto* purpose = new QLabel(QStringLiteral("Учёт личных финансов"), this);

    QLabel* lblVersion = Label(this, "lblVersion", Q(VersionText()));
    QLabel* lblDate = Label(this, "lblDate", Q(BuildDateText()));

    auto* folderBox = new QGroupBox(QStringLiteral("Папка программы"), this);
    QLabel* lblFolder = Label(folderBox, "lblFolder", Q(programFolder));
    lblFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblFolder->setWordWrap(true);
    auto* folderLayout = new QVBoxLayout(folderBox);
    folderLayout->addWidget(lblFolder);

    QLabel* note =
        Label(this, "lblNote",
              QStringLiteral("Нашли ошибку? Пожалуйста, сообщите о ней: опишите, что вы делали, "
                             "и приведите текст сообщения программы. Заметки об ошибках удобно "
                             "вести в окне «Отчет об ошибках Kerva Zyl»."));
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    cmdOK = Named(buttons->addButton(QStringLiteral("ОК"), QDialogButtonBox::AcceptRole), "cmdOK");
    cmdOK->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* names = new QVBoxLayout;
    names->setSpacing(4);
    names->addWidget(title);
    names->addWidget(purpose);
    names->addSpacing(6);
    names->addWidget(lblVersion);
    names->addWidget(lblDate);

    auto* head = new QHBoxLayout;
    head->setSpacing(16);
    head->addWidget(emblem, 0, Qt::AlignTop);
    head->addLayout(names, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(12);
    layout->addLayout(head);
    layout->addWidget(folderBox);
    layout->addWidget(note);
    layout->addWidget(buttons);
    setMinimumWidth(460);
}

}  // namespace kz
