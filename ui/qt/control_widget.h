#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "images/window_geometry.h"
#include "ui/control.h"

namespace ui::qt {

using images::kTwipsPerPixel;

// Twips to pixels, rounding towards minus infinity so that every position
// maps the same way whatever its sign.
int twipsToPixels(int twips);

// The window's base font: Courier New 8.25 pt, or its metric twin when the
// machine has no Courier New. Also registers substitutes for the other
// families the windows name.
QFont baseFont();

// The real widget of one model control. It keeps a copy of what was last
// applied, so that what is on screen changes only in a sync pass.
class ControlWidget : public QWidget {
    Q_OBJECT
public:
    ControlWidget(Control& control, QWidget* parent);

    Control& control() const { return m_control; }
    // Copies every property of the control; returns false when its revision
    // has not moved since the last time.
    bool apply(bool force = false);

    const QString& caption() const { return m_caption; }
    QColor backColor() const { return m_back; }
    QColor foreColor() const { return m_fore; }
    bool transparentBackground() const { return m_transparent; }
    const QImage& image() const { return m_image; }
    const QString& pictureName() const { return m_pictureName; }
    bool selected() const { return m_value; }
    // The accessible name a screen reader last read; none while none asked.
    const std::optional<QString>& readName() const { return m_readName; }
    void setReadName(const QString& name) { m_readName = name; }

signals:
    void clicked(ui::Control* control);
    void rightClicked(ui::Control* control);
    void hovered(ui::Control* control, bool entered);
    void wheeled(ui::Control* control, int notches);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintLabel(QPainter& p);
    void paintOption(QPainter& p);
    void paintFrame(QPainter& p);

    Control& m_control;
    std::uint64_t m_applied = 0;
    bool m_pressed = false;
    int m_wheelAngle = 0;  // the part of a notch turned so far
    QString m_caption;
    QColor m_back, m_fore;
    bool m_transparent = false;
    QImage m_image;
    QString m_pictureName;
    bool m_value = false;
    std::optional<QString> m_readName;
};

}  // namespace ui::qt
