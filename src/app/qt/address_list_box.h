// The multi-line edit box that lists the segment addresses, with the bytes the program put into it.
//
// The program writes the playlist's own line feeds and its CR LF line ends into the box, but the box
// keeps one kind of line break only (it breaks lines at CR LF, as the edit box the tool was made for
// does, and does not show a lone CR or LF). So the box remembers, byte for byte, what the program
// last set and appended, and reads that back until the user edits the box; from then on its shown
// text counts, with CR LF line breaks.
#ifndef QUORVANE_APP_QT_ADDRESS_LIST_BOX_H_
#define QUORVANE_APP_QT_ADDRESS_LIST_BOX_H_

#include <optional>

#include <QPlainTextEdit>

#include "text/text.h"

namespace quorvane {

class AddressListBox final : public QPlainTextEdit {
 public:
  AddressListBox(const Text& initialContent, QWidget* parent);

  // The whole content becomes `content`.
  void SetContent(const Text& content);

  // The content: the kept bytes, or the shown text with CR LF line breaks once the user edited it.
  Text Content() const;

  // Moves the caret to the end, inserts `text` there as if typed (the user cannot undo it) and
  // scrolls the caret into view. Costs the appended bytes, not the whole content.
  void AppendContent(const Text& text);

 private:
  // What the program put into the box, until the user edits it.
  std::optional<Text> kept_;
  bool updating_ = false;
};

}  // namespace quorvane

#endif  // QUORVANE_APP_QT_ADDRESS_LIST_BOX_H_
