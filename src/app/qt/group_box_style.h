// A group box drawn as the window's template asks: the caption at the left of the frame's top edge,
// the edge's line interrupted behind it, rather than above the frame as some Qt styles draw it. The
// frame is a thin rounded line in the palette's mid colour; every other control kind is left to the
// style the application uses.
#ifndef QUORVANE_APP_QT_GROUP_BOX_STYLE_H_
#define QUORVANE_APP_QT_GROUP_BOX_STYLE_H_

#include <QProxyStyle>

namespace quorvane {

class CaptionOnFrameStyle final : public QProxyStyle {
 public:
  // Draws over the application's style of the moment.
  CaptionOnFrameStyle() = default;

  // For a group box: the caption's place starts kCaptionIndent pixels from the left and spans the
  // caption's line at the very top; the frame starts at the caption's middle line; the contents lie
  // below the caption.
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget) const override;

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override;

  static constexpr int kCaptionIndent = 8;
  // Room either side of the caption where the frame's line stops.
  static constexpr int kCaptionPadding = 2;
  static constexpr double kFrameRadius = 3;
};

}  // namespace quorvane

#endif  // QUORVANE_APP_QT_GROUP_BOX_STYLE_H_
