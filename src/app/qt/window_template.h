// The main window's fixed template: the title, the outer size and, for each of the eleven controls,
// its kind, place, size, initial text and style. The window is built from this table alone.
#ifndef QUORVANE_APP_QT_WINDOW_TEMPLATE_H_
#define QUORVANE_APP_QT_WINDOW_TEMPLATE_H_

#include <QRect>
#include <QSize>
#include <Qt>
#include <optional>
#include <span>
#include <string_view>

#include "app/window.h"

namespace quorvane {

enum class ControlKind { kLabel, kGroupBox, kPushButton, kSingleLineEdit, kMultiLineEdit };

struct Rgb {
  int red;
  int green;
  int blue;
};

struct ControlTemplate {
  Control control;
  std::u16string_view name;  // the widget's object name
  ControlKind kind;
  std::optional<Control> parent;  // the main window when not given
  QRect place;                    // client coordinates of the parent
  const char* initialText;        // GBK; null for the example replay page address
  std::optional<Rgb> textColour;  // the default when not given
  std::optional<Rgb> background;  // the dialog face colour when not given
  bool thinSunkenEdge;
  Qt::Alignment alignment;
  bool wordWrap;
};

struct WindowTemplate {
  std::u16string_view title;
  QSize outerSize;  // frame and title bar included
  // The client size used where the window system reports no frame: the outer size less a fixed
  // dialog frame and title bar, which still holds every control.
  QSize clientSizeWithoutFrame;
  std::span<const ControlTemplate> controls;
};

const WindowTemplate& MainWindowTemplate();

}  // namespace quorvane

#endif  // QUORVANE_APP_QT_WINDOW_TEMPLATE_H_
