#pragma once

#include <QWidget>
#include <vector>

#include "platform/Platform.h"
#include "reports/Graph.h"

class QLabel;
class QPushButton;

namespace kz {

// The graph of a history list over the whole window: the title on top,
// "Печать" at the top right and the way back at the bottom. Modeless and
// maximized; Esc or a click on the hint closes it.
class frmGraph : public QWidget {
    Q_OBJECT
public:
    explicit frmGraph(Platform& ui, QWidget* parent = nullptr);

    // Shows the window with the graph of `data`, drawn for the size the
    // window opens with.
    void Update(const GraphData& data);

    // What is painted, in window coordinates.
    const std::vector<GraphPrimitive>& Drawing() const { return drawing_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Draw();
    void PlaceLabels();
    void OnPrint();

    Platform& ui_;
    GraphData data_;
    std::vector<GraphPrimitive> drawing_;
    bool painted_ = false;
    QLabel* lblTitle = nullptr;
    QPushButton* lblPrint = nullptr;
    QPushButton* Label1 = nullptr;
};

}  // namespace kz
