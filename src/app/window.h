// The main window as the commands see it: eleven controls known by their template names, and the
// four operations through which every command touches them. The Qt window implements it; tests use
// a recording fake.
#ifndef QUORVANE_APP_WINDOW_H_
#define QUORVANE_APP_WINDOW_H_

#include "text/text.h"

namespace quorvane {

// The controls of the main window, in template order. The template's own names stay the widgets'
// object names (tests and the template table use them); the program names the controls by role:
//
//   enumerator           template name       kind, role
//   kNotice              标签_公告           label in the group box: the usage instructions
//   kUsageGroup          分组框1             group box "使用方法：" around the instructions
//   kResetButton         按钮_清空           button "重置所有": empties both edit boxes
//   kResultMark          duicuo              label: the √ / × mark of the last get command
//   kStatusLabel         标签_LED            label: the count of listed addresses
//   kCopyButton          按钮_复制           button "复制地址": puts the list on the clipboard
//   kAddressListCaption  标签1               label "视频下载地址：" beside the list
//   kAddressList         编辑框_视频地址     multi-line edit box: the listed segment addresses
//   kGetButton           按钮_获取           button "获取下载地址": runs the get command
//   kPageAddressCaption  标签_地址           label "YY精彩回顾网址：" beside the address box
//   kPageAddressBox      编辑框_精彩回顾网址 single-line edit box: the replay page address
enum class Control {
  kNotice,
  kUsageGroup,
  kResetButton,
  kResultMark,
  kStatusLabel,
  kCopyButton,
  kAddressListCaption,
  kAddressList,
  kGetButton,
  kPageAddressCaption,
  kPageAddressBox,
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
