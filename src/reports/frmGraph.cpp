#include "reports/frmGraph.h"

#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "platform/qt/Widgets.h"

namespace kz {

namespace {

QFont SizedFont(QFont font, int points) {
    if (points > 0) font.setPointSize(points);
    return font;
}

// Text sizes as the window paints them.
class WindowMetrics : public TextMetrics {
public:
    explicit WindowMetrics(const QFont& font) : font_(font) {}
    int Width(const std::string& text, int points) const override {
        return QFontMetrics(SizedFont(font_, points)).horizontalAdvance(Q(text));
    }
    int Height(const std::string&, int points) const override {
        return QFontMetrics(SizedFont(font_, points)).height();
    }

private:
    QFont font_;
};

QColor ColorOf(const GraphColor& c) {
    return QColor(c.red, c.green, c.blue);
}

Picture PictureOf(QWidget* window) {
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    Picture picture{image.width(), image.height(), {}};
    picture.pixels.reserve(static_cast<std::size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        picture.pixels.insert(picture.pixels.end(), line, line + image.width());
    }
    return picture;
}

}  // namespace

frmGraph::frmGraph(Platform& ui, QWidget* parent) : QWidget(parent, Qt::Window), ui_(ui) {
    setObjectName("frmGraph");
    setWindowTitle(QString::fromUtf8(kDefaultTitle));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMinimumSize(400, 300);
    setFocusPolicy(Qt::StrongFocus);

    lblTitle = Label(this, "lblTitle", QStringLiteral("Загрузка..."));
    QFont heading = lblTitle->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    lblTitle->setFont(heading);
    lblPrint = LinkButton(this, "lblPrint", QStringLiteral("Печать"),
                          QStringLiteral("Вывод графика на активный принтер"));
    Label1 = LinkButton(this, "Label1",
                        QStringLiteral("Чтобы вернуться в предыдущее окно, нажмите Esc."));

    connect(lblPrint, &QPushButton::clicked, this, &frmGraph::OnPrint);
    connect(Label1, &QPushButton::clicked, this, &QWidget::close);
    resize(800, 600);
}

void frmGraph::Update(const GraphData& data) {
    data_ = data;
    lblTitle->setText(Q(data.title));
    PlaceLabels();
    showMaximized();
    // Esc works at once; Enter must not print by surprise.
    setFocus();
    painted_ = false;
    Draw();
}

void frmGraph::Draw() {
    drawing_ = DrawGraph(data_, width() - kGraphMargins, height() - kGraphMargins,
                         WindowMetrics(font()), ui_.Today());
    update();
}

void frmGraph::PlaceLabels() {
    lblTitle->adjustSize();
    lblTitle->move((width() - lblTitle->width()) / 2, 8);
    lblPrint->adjustSize();
    lblPrint->move(width() - lblPrint->width() - 10, 10);
    Label1->adjustSize();
    Label1->move(10, height() - Label1->height() - 10);
}

void frmGraph::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    for (const GraphPrimitive& g : drawing_) {
        switch (g.kind) {
            case GraphPrimitive::Kind::Line:
                p.setPen(ColorOf(g.color));
                p.drawLine(g.x1, g.y1, g.x2, g.y2);
                break;
            case GraphPrimitive::Kind::Circle:
                p.setPen(ColorOf(g.color));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QPoint(g.x1, g.y1), g.radius, g.radius);
                break;
            case GraphPrimitive::Kind::Text: {
                const QFont f = SizedFont(font(), g.fontSize);
                p.setFont(f);
                p.setPen(palette().color(QPalette::Text));
                p.drawText(QPoint(g.x1, g.y1 + QFontMetrics(f).ascent()), Q(g.text));
                break;
            }
        }
    }
    painted_ = true;
}

void frmGraph::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isMinimized()) return;
    PlaceLabels();
    // The graph keeps the size it was drawn for; only the window manager's
    // own resize while the window opens maximized (before anything was
    // painted) draws it again.
    if (!painted_ && data_.count > 0) Draw();
}

void frmGraph::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmGraph::OnPrint() {
    PrintGraph(ui_, PictureOf(this));
}

}  // namespace kz
