#include "app/qt/group_box_style.h"

#include <QPainter>
#include <QStyleOptionGroupBox>

namespace quorvane {

QRect CaptionOnFrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                          SubControl part, const QWidget* widget) const {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != CC_GroupBox || box == nullptr) {
    return QProxyStyle::subControlRect(control, option, part, widget);
  }
  const QRect whole = box->rect;
  const int captionHeight = box->fontMetrics.height();
  switch (part) {
    case SC_GroupBoxLabel: {
      const int width = box->fontMetrics.horizontalAdvance(box->text) + 2 * kCaptionPadding;
      const QRect caption(whole.left() + kCaptionIndent, whole.top(), width, captionHeight);
      return caption.intersected(whole);
    }
    case SC_GroupBoxFrame:
      return whole.adjusted(0, captionHeight / 2, 0, 0);
    case SC_GroupBoxContents:
      return whole.adjusted(1, captionHeight, -1, -1);
    default:
      return QProxyStyle::subControlRect(control, option, part, widget);
  }
}

void CaptionOnFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                             QPainter* painter, const QWidget* widget) const {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != CC_GroupBox || box == nullptr) {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    return;
  }
  // The frame is drawn here, not by the style's group-box frame, because some styles (Fusion among
  // them) move that frame down below a caption of their own.
  const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
  const QRectF frame =
      QRectF(subControlRect(control, option, SC_GroupBoxFrame, widget)).adjusted(0.5, 0.5, -0.5, -0.5);
  painter->save();
  if (!box->text.isEmpty()) {
    painter->setClipRegion(QRegion(box->rect) - caption);
  }
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(QPen(box->palette.color(QPalette::Mid), 1));
  painter->setBrush(Qt::NoBrush);
  painter->drawRoundedRect(frame, kFrameRadius, kFrameRadius);
  painter->restore();
  if (!box->text.isEmpty()) {
    painter->save();
    // The template's caption colour is the group box's text colour, whatever the style's own choice.
    painter->setPen(box->palette.color(QPalette::WindowText));
    painter->drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, box->text);
    painter->restore();
  }
}

}  // namespace quorvane
