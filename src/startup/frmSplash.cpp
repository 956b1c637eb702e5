#include "startup/frmSplash.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/qt/Widgets.h"
#include "startup/Startup.h"

namespace kz {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kStepTwips = 200;
constexpr int kWrapTwips = -1000;
// The strip repeats every 1200 twips (80 px): the wrap from -1199 back to 1
// lands on the same picture, so the scrolling looks endless.
constexpr int kPeriodPx = 80;
constexpr int kStripHeight = 64;
constexpr int kCornerRadius = 10;

void PaintCoin(QPainter& p, QPointF centre, qreal r) {
    QRadialGradient g(centre - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, QColor(255, 236, 150));
    g.setColorAt(1, QColor(214, 160, 30));
    p.setPen(QPen(QColor(150, 105, 10), 1.5));
    p.setBrush(g);
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(QColor(150, 105, 10), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r * 0.72, r * 0.72);
}

// A strip of coins and bars; its pattern repeats every kPeriodPx pixels.
QPixmap PaintStrip(int width) {
    QPixmap pm(width, kStripHeight);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    for (int x0 = 0; x0 < width; x0 += kPeriodPx) {
        // Three bars of a small chart.
        const int heights[] = {18, 30, 44};
        for (int i = 0; i < 3; ++i) {
            QRectF bar(x0 + 6 + i * 11, kStripHeight - 6 - heights[i], 8, heights[i]);
            QLinearGradient g(bar.topLeft(), bar.bottomLeft());
            g.setColorAt(0, QColor(120, 200, 140));
            g.setColorAt(1, QColor(40, 130, 80));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRoundedRect(bar, 2, 2);
        }
        PaintCoin(p, QPointF(x0 + 58, kStripHeight - 24), 12);
        PaintCoin(p, QPointF(x0 + 66, kStripHeight - 40), 8);
    }
    return pm;
}

}  // namespace

QPixmap PaintEmblem(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QLinearGradient bg(0, 0, 0, s);
    bg.setColorAt(0, QColor(46, 92, 150));
    bg.setColorAt(1, QColor(24, 52, 96));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
    QPainterPath line;
    line.moveTo(s * 0.12, s * 0.78);
    line.lineTo(s * 0.36, s * 0.56);
    line.lineTo(s * 0.52, s * 0.66);
    line.lineTo(s * 0.86, s * 0.28);
    p.setPen(QPen(QColor(120, 220, 150), s * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(line);
    PaintCoin(p, QPointF(s * 0.34, s * 0.32), s * 0.17);
    return pm;
}

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Brisklane Kerva Zyl"));
    setFocusPolicy(Qt::StrongFocus);

    Frame1 = Named(new QFrame(this), "Frame1");
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setStyleSheet(
        QStringLiteral(
            "#Frame1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1f3d66, "
            "stop:1 #10233f); border: 1px solid #0b1930; border-radius: %1px; }"
            "QLabel { color: #e8eef7; background: transparent; }")
            .arg(kCornerRadius));
    Frame1->installEventFilter(this);

    auto* emblem = new QLabel(Frame1);
    emblem->setPixmap(PaintEmblem(72));

    auto* title = new QLabel(QStringLiteral("Brisklane Kerva Zyl"), Frame1);
    QFont tf = title->font();
    tf.setPointSize(tf.pointSize() + 12);
    tf.setBold(true);
    title->setFont(tf);
    auto* subtitle = new QLabel(QStringLiteral("Учёт личных финансов"), Frame1);
    QFont sf = subtitle->font();
    sf.setPointSize(sf.pointSize() + 2);
    subtitle->setFont(sf);

    QLabel* lblVersion = Label(Frame1, "lblVersion", Q(VersionText()));
    QLabel* lblDate = Label(Frame1, "lblDate", Q(BuildDateText()));
    lblDate->setStyleSheet(QStringLiteral("color: #9fb3cf;"));

    // The picture is wider than its holder by one period, so that moving it
    // left never uncovers an empty edge.
    imgHolder_ = new QWidget(Frame1);
    imgHolder_->setFixedHeight(kStripHeight);
    imgHolder_->setMinimumWidth(360);
    img = Named(new QLabel(imgHolder_), "img");
    img->setPixmap(PaintStrip(1600 + 2 * kPeriodPx));
    img->resize(img->pixmap().size());
    img->move(qRound(imgLeftTwips_ / double(kTwipsPerPixel)), 0);

    auto* head = new QHBoxLayout;
    head->setSpacing(16);
    head->addWidget(emblem, 0, Qt::AlignTop);
    auto* names = new QVBoxLayout;
    names->setSpacing(2);
    names->addWidget(title);
    names->addWidget(subtitle);
    names->addStretch();
    head->addLayout(names, 1);

    auto* foot = new QHBoxLayout;
    foot->addWidget(lblVersion);
    foot->addStretch();
    foot->addWidget(lblDate);

    auto* inner = new QVBoxLayout(Frame1);
    inner->setContentsMargins(28, 24, 28, 18);
    inner->setSpacing(14);
    inner->addLayout(head);
    inner->addWidget(imgHolder_);
    inner->addLayout(foot);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Frame1);
    setFixedSize(520, 280);
    // The window is as round as its frame: nothing of its square background
    // shows at the corners.
    QPainterPath round;
    round.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    setMask(QRegion(round.toFillPolygon().toPolygon()));

    Timer = Named(new QTimer(this), "Timer");
    Timer->setSingleShot(true);
    Timer->setInterval(5500);
    connect(Timer, &QTimer::timeout, this, [this] { CloseSplash(true); });

    Timer1 = Named(new QTimer(this), "Timer1");
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Scroll);
    Timer1->start();
}

void frmSplash::StartTimer() {
    Timer->start();
}

void frmSplash::CloseSplash(bool byTimer) {
    Timer->stop();
    if (closed_) return;
    closed_ = true;
    Timer1->stop();
    Q_EMIT closed(byTimer);
}

void frmSplash::Scroll() {
    imgLeftTwips_ -= kStepTwips;
    if (imgLeftTwips_ < kWrapTwips) imgLeftTwips_ = 1;
    img->move(qRound(imgLeftTwips_ / double(kTwipsPerPixel)), 0);
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    CloseSplash(false);
    event->accept();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Frame1 && event->type() == QEvent::MouseButtonPress) {
        CloseSplash(false);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kz
