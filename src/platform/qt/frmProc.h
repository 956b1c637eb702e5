#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace kz {

// The small progress window of long file operations: a message and a bar.
class frmProc : public QWidget {
    Q_OBJECT
public:
    explicit frmProc(QWidget* parent = nullptr);

    void SetMessage(const QString& text);
    // Sets the bar in whole percent (0-100).
    void SetPercent(int percent);
    int Percent() const;
    QString Message() const;

private:
    QLabel* lblMessage_;
    QProgressBar* bar_;
};

}  // namespace kz
