#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

namespace kz {

// The window shown while the program starts: name, version, build tag and a
// strip of pictures scrolling to the left. Closed by its timer, a key or a
// click on its frame.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    // The 5.5-second wait, started only when the command line is empty.
    void StartTimer();
    // Stops the wait and announces the close once; the owner shows the start
    // window and disposes of the splash.
    void CloseSplash(bool byTimer);

    // The picture's left edge in twips (15 to a pixel), for tests.
    int ImageLeftTwips() const { return imgLeftTwips_; }
    // One step of the scrolling.
    void Scroll();

Q_SIGNALS:
    void closed(bool byTimer);

protected:
    void keyPressEvent(class QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFrame* Frame1 = nullptr;
    QLabel* img = nullptr;
    QWidget* imgHolder_ = nullptr;
    QTimer* Timer = nullptr;
    QTimer* Timer1 = nullptr;
    int imgLeftTwips_ = 1;
    bool closed_ = false;
};

// The program's emblem (a coin over a rising line), drawn, so that no image
// files are needed.
QPixmap PaintEmblem(int size);

}  // namespace kz
