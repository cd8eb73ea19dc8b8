#pragma once

#include "core/utilities/char_frequency.h"

#include <QFrame>
#include <QWidget>

// The white box the frequency graph is drawn on, in its own pixels.
class FrequencyGraphBox : public QWidget {
    Q_OBJECT
public:
    explicit FrequencyGraphBox(QWidget* parent = nullptr);

    void draw(const FrequencyGraph& graph);
    void clear();
    [[nodiscard]] const FrequencyGraph& graph() const { return m_graph; }

Q_SIGNALS:
    void mouseMovedTo(int x);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Clicks on the graph end here: they are not clicks on the frame behind it.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    FrequencyGraph m_graph;
};

// The frame behind the graph; a click on it is reported.
class ClickableFrame : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
