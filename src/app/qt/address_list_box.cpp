#include "app/qt/address_list_box.h"

#include <QTextCursor>
#include <QTextDocument>

#include "app/qt/text_conversion.h"

namespace quorvane {

AddressListBox::AddressListBox(const Text& initialContent, QWidget* parent)
    : QPlainTextEdit(ToEditBoxString(initialContent), parent), kept_(initialContent) {
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!updating_) {
      kept_.reset();  // The user edited the box: from now on its shown text counts.
    }
  });
}

void AddressListBox::SetContent(const Text& content) {
  updating_ = true;
  setPlainText(ToEditBoxString(content));
  updating_ = false;
  kept_ = content;
}

Text AddressListBox::Content() const {
  return kept_ ? *kept_ : WithWindowsLineBreaks(toPlainText());
}

void AddressListBox::AppendContent(const Text& text) {
  if (!kept_) {
    kept_ = Content();  // edited by the user: take the shown text once
  }
  updating_ = true;
  moveCursor(QTextCursor::End);
  // An insertion the user cannot undo: the document records no undo step for it.
  document()->setUndoRedoEnabled(false);
  insertPlainText(ToEditBoxString(text, kept_->view().ends_with('\r')));
  document()->setUndoRedoEnabled(true);
  ensureCursorVisible();
  updating_ = false;
  kept_->Append(text);
}

}  // namespace quorvane
