#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace ui::qt {

// The window surface: black, with the background picture from the top-left.
// It paints all of its box, so nothing under it is painted first. Once the
// first frame is on screen it runs what the start-up left for later; the
// start-up trace marks both moments.
class Surface : public QWidget {
public:
    Surface(QWidget* parent, std::function<void()> afterFirstFrame);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_background;
    std::function<void()> m_afterFirstFrame;
    bool m_painted = false;
};

}  // namespace ui::qt
