#include "ui/qt/control_widget.h"

#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace ui::qt {

namespace {

QColor fromBgr(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// Captions written for the classic platform end lines with CR LF.
QString captionText(const std::string& s) {
    return QString::fromStdString(s).replace("\r\n", "\n");
}

}  // namespace

int twipsToPixels(int twips) {
    int q = twips / kTwipsPerPixel;
    if (twips % kTwipsPerPixel != 0 && twips < 0) --q;
    return q;
}

QFont baseFont() {
    static const QFont font = [] {
        const QStringList families = QFontDatabase::families();
        // Courier New and Liberation Mono share their metrics, so captions
        // still fit their labels; the same holds for the sans-serif pair.
        if (!families.contains("Courier New"))
            QFont::insertSubstitution("Courier New", "Liberation Mono");
        if (!families.contains("MS Sans Serif"))
            QFont::insertSubstitutions("MS Sans Serif",
                                       {"Microsoft Sans Serif", "Liberation Sans"});
        QFont f(families.contains("Courier New") ? "Courier New" : "Liberation Mono");
        f.setStyleHint(QFont::TypeWriter);
        f.setPointSizeF(8.25);
        return f;
    }();
    return font;
}

// ---------------------------------------------------------------------------

ControlWidget::ControlWidget(Control& control, QWidget* parent)
    : QWidget(parent), m_control(control) {
    // A click belongs to the topmost control under the pointer, never to its container.
    setAttribute(Qt::WA_NoMousePropagation);
    setObjectName(QString::fromStdString(control.key()));
}

bool ControlWidget::apply(bool force) {
    const Control& c = m_control;
    if (!force && c.revision() == m_applied) return false;
    m_applied = c.revision();

    setGeometry(twipsToPixels(c.left()), twipsToPixels(c.top()), twipsToPixels(c.width()),
                twipsToPixels(c.height()));
    QFont f = baseFont();
    if (!c.font().family.empty()) f.setFamily(QString::fromStdString(c.font().family));
    if (c.font().pointSize > 0) f.setPointSizeF(c.font().pointSize);
    f.setBold(c.bold());
    // A control on the window's surface in the window's font inherits it:
    // setting it again would only cost time.
    if (c.container() || font() != f) setFont(f);
    m_caption = captionText(c.caption());
    m_back = fromBgr(c.backColor());
    m_fore = fromBgr(c.foreColor());
    m_transparent = c.transparent();
    // A hidden control's artwork is decoded when it is first shown.
    m_image = c.visible() ? c.picture().image : QImage();
    m_pictureName = QString::fromStdString(c.pictureName());
    m_value = c.value();
    setVisible(c.visible());
    update();
    return true;
}

void ControlWidget::paintEvent(QPaintEvent*) {
    // Click targets over the neck draw nothing: no painter for them.
    const Kind kind = m_control.kind();
    if ((kind == Kind::Label && m_transparent && m_caption.isEmpty()) ||
        (kind == Kind::Image && m_image.isNull()))
        return;
    QPainter p(this);  // in the widget's font
    switch (kind) {
        case Kind::Label:
            paintLabel(p);
            break;
        case Kind::PictureBox:
            p.fillRect(rect(), m_back);
            if (!m_image.isNull()) p.drawImage(0, 0, m_image);
            break;
        case Kind::Image:
            if (!m_image.isNull()) p.drawImage(0, 0, m_image);
            break;
        case Kind::OptionButton:
            paintOption(p);
            break;
        case Kind::Frame:
            paintFrame(p);
            break;
    }
}

void ControlWidget::paintLabel(QPainter& p) {
    if (!m_transparent) p.fillRect(rect(), m_back);
    if (m_caption.isEmpty()) return;
    p.setPen(m_fore);
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_caption);
}

void ControlWidget::paintOption(QPainter& p) {
    // A small selection dot at the very left, so the window's dot strips cover
    // it entirely; the caption follows it as the toolkit lays it out.
    p.fillRect(rect(), m_back);
    const int d = 8;
    const QRect dot(2, (height() - d) / 2, d, d);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QColor(128, 128, 128));
    p.setBrush(Qt::white);
    p.drawEllipse(dot);
    if (m_value) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(dot.adjusted(2, 2, -2, -2));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(m_fore);
    p.drawText(rect().adjusted(14, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
}

void ControlWidget::paintFrame(QPainter& p) {
    p.fillRect(rect(), m_back);
    const QFontMetrics metrics(font());
    const int half = metrics.height() / 2;
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, half, -1, -1));
    if (m_caption.isEmpty()) return;
    const QRect text(6, 0, metrics.horizontalAdvance(m_caption) + 4, metrics.height());
    p.fillRect(text, m_back);
    p.setPen(m_fore);
    p.drawText(text, Qt::AlignCenter, m_caption);
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_pressed = true;
    event->accept();
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    // As with a push of a button: the click counts when released over the control.
    const bool click = event->button() == Qt::LeftButton && m_pressed &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) m_pressed = false;
    event->accept();
    if (click) emit clicked(&m_control);
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void ControlWidget::wheelEvent(QWheelEvent* event) {
    if (!m_control.wheelable()) {
        event->ignore();  // to the control it lies in
        return;
    }
    event->accept();
    // Fine-grained wheels send parts of a notch; a page turns per whole notch.
    m_wheelAngle += event->angleDelta().y();
    const int notches = m_wheelAngle / QWheelEvent::DefaultDeltasPerStep;
    if (notches == 0) return;
    m_wheelAngle -= notches * QWheelEvent::DefaultDeltasPerStep;
    emit wheeled(&m_control, -notches);
}

void ControlWidget::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (m_control.hoverable()) emit hovered(&m_control, true);
}

void ControlWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (m_control.hoverable()) emit hovered(&m_control, false);
}

void ControlWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (m_control.rightClickable()) {
        event->accept();
        emit rightClicked(&m_control);
        return;
    }
    // Only the window's background offers the options menu, not what can be clicked.
    if (m_control.clickable())
        event->accept();
    else
        event->ignore();
}

}  // namespace ui::qt
