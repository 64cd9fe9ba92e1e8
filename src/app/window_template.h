// The main window's fixed template: the title, the outer size and, for each of the eleven controls,
// its kind, place, size, initial text and style. Every front end builds its window from this table
// alone, translating the plain values below into its toolkit's own.
//
// Places are client coordinates in pixels of the parent control (the main window unless `parent`
// names one). Colours are (red, green, blue); a colour that is not given is the system's default
// (the dialog face colour for backgrounds).
//
// Example: the status label is
//   {Control::kStatusLabel, u"标签_LED", ControlKind::kLabel, no parent, {104, 421, 520, 20},
//    "等待加载数据内容...", text (255, 128, 0), default background, thin sunken edge, centred both
//    ways, single line}
#ifndef QUORVANE_APP_WINDOW_TEMPLATE_H_
#define QUORVANE_APP_WINDOW_TEMPLATE_H_

#include <optional>
#include <span>
#include <string_view>

#include "app/window.h"

namespace quorvane {

enum class ControlKind { kLabel, kGroupBox, kPushButton, kSingleLineEdit, kMultiLineEdit };

struct Rect {
  int x;
  int y;
  int width;
  int height;
};

struct Size {
  int width;
  int height;
};

struct Rgb {
  int red;
  int green;
  int blue;
};

enum class HorizontalAlignment { kLeft, kCentre };
enum class VerticalAlignment { kTop, kCentre };

struct Alignment {
  HorizontalAlignment horizontal;
  VerticalAlignment vertical;
};

struct ControlTemplate {
  Control control;
  std::u16string_view name;  // the template's name, which front ends give the control as its name
  ControlKind kind;
  std::optional<Control> parent;  // the main window when not given
  Rect place;
  const char* initialText;        // GBK; null for the example replay page address
  std::optional<Rgb> textColour;  // the default when not given
  std::optional<Rgb> background;  // the dialog face colour when not given
  bool thinSunkenEdge;
  Alignment alignment;
  bool wordWrap;  // the text breaks into lines at the control's width
};

struct WindowTemplate {
  std::u16string_view title;
  Size outerSize;  // frame and title bar included
  // The client size used where the window system reports no frame: the outer size less a fixed
  // dialog frame and title bar, which still holds every control.
  Size clientSizeWithoutFrame;
  std::span<const ControlTemplate> controls;  // in template order, indexed by Control
};

const WindowTemplate& MainWindowTemplate();

}  // namespace quorvane

#endif  // QUORVANE_APP_WINDOW_TEMPLATE_H_
