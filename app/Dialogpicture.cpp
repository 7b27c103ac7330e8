#include "app/Dialogpicture.h"

#include "app/Applimits.h"
#include "app/Appresources.h"
#include "app/Stylespacing.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

// Emblems are drawn in a square of this many pixels, this far from the band's top.
constexpr int kEmblemSize = 36;
constexpr int kEmblemTop = 12;
constexpr int kTileInset = 2;

const QColor kBandTop(46, 92, 138);
const QColor kBandBottom(168, 196, 224);
const QColor kStroke(Qt::white);
const QColor kMark(255, 214, 102);

void drawArrowHead(QPainter& painter, QPointF tip, qreal size)
{
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip.x() - size, tip.y() - size * 0.7);
    head.lineTo(tip.x() - size, tip.y() + size * 0.7);
    head.closeSubpath();
    painter.fillPath(head, kStroke);
}

void drawMagnifier(QPainter& painter)
{
    painter.setPen(QPen(kStroke, 3.5));
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawEllipse(QPointF(14, 14), 10, 10);
    painter.setPen(QPen(kStroke, 5.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(22, 22), QPointF(32, 32));
}

// A text, an arrow, and the text that takes its place.
void drawReplace(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kStroke);
    painter.drawRoundedRect(QRectF(2, 2, 30, 9), 2, 2);
    painter.setBrush(kMark);
    painter.drawRoundedRect(QRectF(16, 25, 18, 9), 2, 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kStroke, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath bend;
    bend.moveTo(7, 14);
    bend.lineTo(7, 25);
    bend.quadTo(7, 29.5, 10, 29.5);
    painter.drawPath(bend);
    drawArrowHead(painter, QPointF(14.5, 29.5), 5);
}

// Lines of a text with an arrow at the one gone to.
void drawGotoLine(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        painter.setBrush(row == 2 ? kMark : kStroke);
        painter.drawRoundedRect(QRectF(15, 3 + row * 8.5, row % 2 == 0 ? 19 : 15, 5), 1.5, 1.5);
    }
    painter.setPen(QPen(kStroke, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(1, 22.5), QPointF(7, 22.5));
    drawArrowHead(painter, QPointF(12, 22.5), 5);
}

// The program's icon on a light tile: its dark body alone would sink into the band.
void drawProgramIcon(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawRoundedRect(QRectF(0, 0, kEmblemSize, kEmblemSize), 6, 6);
    appIcon(QStringLiteral("ombrix"))
        .paint(&painter, QRect(kTileInset, kTileInset, kEmblemSize - 2 * kTileInset,
                               kEmblemSize - 2 * kTileInset));
}

} // namespace

CDialogPicture::CDialogPicture(TDialogPicture kind, QWidget* parent)
    : QWidget(parent)
    , m_Kind(kind)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

QSize CDialogPicture::sizeHint() const
{
    return {kDialogPictureWidth, kEmblemTop * 2 + kEmblemSize};
}

void CDialogPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 0, height());
    band.setColorAt(0, kBandTop);
    band.setColorAt(1, kBandBottom);
    painter.fillRect(rect(), band);
    painter.translate((width() - kEmblemSize) / 2.0, kEmblemTop);
    switch (m_Kind) {
    case TDialogPicture::Find:
        drawMagnifier(painter);
        break;
    case TDialogPicture::Replace:
        drawReplace(painter);
        break;
    case TDialogPicture::GotoLine:
        drawGotoLine(painter);
        break;
    case TDialogPicture::Program:
        drawProgramIcon(painter);
        break;
    }
}

void setPictureLayout(QWidget* dialog, TDialogPicture kind, QLayout* content,
                      const QString& panelName, const QString& pictureName)
{
    auto* panel = new QWidget(dialog);
    panel->setObjectName(panelName);
    auto* picture = new CDialogPicture(kind, panel);
    picture->setObjectName(pictureName);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(picture);

    // The band is flush with the window's edges; only the content keeps the style's distances.
    auto* root = new QHBoxLayout(dialog);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(panel);
    root->addWidget(makeStyleSpacedPanel(content, dialog));
}
