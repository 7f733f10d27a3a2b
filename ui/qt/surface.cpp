#include "ui/qt/surface.h"

#include <QPainter>
#include <QTimer>

#include "ui/builtin_artwork.h"
#include "ui/qt/startup_trace.h"

namespace ui::qt {

Surface::Surface(QWidget* parent, std::function<void()> afterFirstFrame)
    : QWidget(parent),
      m_background(builtinArtwork("background")),
      m_afterFirstFrame(std::move(afterFirstFrame)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Surface::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!QRect(QPoint(), m_background.size()).contains(rect())) p.fillRect(rect(), Qt::black);
    p.drawImage(0, 0, m_background);
    if (m_painted) return;
    m_painted = true;
    markStartup("first paint");
    // Runs once the whole first frame is painted and handed to the screen.
    QTimer::singleShot(0, this, [this] {
        markStartup("first frame");
        if (m_afterFirstFrame) m_afterFirstFrame();
    });
}

}  // namespace ui::qt
