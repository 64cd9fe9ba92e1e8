// The main window as the commands see it: eleven controls known by their template names, and the
// four operations through which every command touches them. The Qt window implements it; tests use
// a recording fake.
#ifndef QUORVANE_APP_WINDOW_H_
#define QUORVANE_APP_WINDOW_H_

#include "text/text.h"

namespace quorvane {

// The controls of the main window, in template order, named as the template names them.
enum class Control {
  标签_公告,
  分组框1,
  按钮_清空,
  duicuo,
  标签_LED,
  按钮_复制,
  标签1,
  编辑框_视频地址,
  按钮_获取,
  标签_地址,
  编辑框_精彩回顾网址,
};

inline constexpr int kControlCount = 11;

class Window {
 public:
  virtual ~Window() = default;

  // A label gets `text` as its caption; an edit box gets it as its whole content.
  virtual void SetControlText(Control control, const Text& text) = 0;

  // The current content of an edit box, every character it holds, line breaks included.
  virtual Text GetControlText(Control control) = 0;

  // Puts the caret at the end of an edit box, scrolls it into view and inserts `text` there as if
  // typed; the insertion cannot be undone by the user. No separator is added.
  virtual void AppendControlText(Control control, const Text& text) = 0;

  // A disabled button ignores clicks and is drawn greyed.
  virtual void SetControlEnabled(Control control, bool enabled) = 0;

  // True once the user has closed the window. A command that let events through (the playlist
  // download does) checks it before it touches the window again.
  virtual bool IsClosed() const = 0;
};

}  // namespace quorvane

#endif  // QUORVANE_APP_WINDOW_H_
