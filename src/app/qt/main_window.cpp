#include "app/qt/main_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <limits>

#include "app/application.h"
#include "app/qt/text_conversion.h"
#include "app/qt/window_template.h"

// The icon is compiled into the library; a static library must register its resources itself.
static void RegisterIconResources() {
  Q_INIT_RESOURCE(quorvane_icons);
}

namespace quorvane {
namespace {

QColor ToColour(const Rgb& rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

QString ObjectName(std::u16string_view name) {
  return QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size()));
}

// Colours a widget: the text colour goes to the roles that labels, captions and edit boxes draw their
// text with, the background to the roles they fill with.
void ApplyColours(QWidget* widget, const ControlTemplate& control) {
  QPalette palette = widget->palette();
  if (control.textColour) {
    const QColor colour = ToColour(*control.textColour);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
  }
  if (control.background) {
    const QColor colour = ToColour(*control.background);
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setAutoFillBackground(true);
  }
  widget->setPalette(palette);
}

QWidget* MakeControl(const ControlTemplate& control, const Text& initialText, QWidget* parent) {
  switch (control.kind) {
    case ControlKind::kLabel: {
      auto* label = new QLabel(ToDisplayString(initialText), parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(control.alignment);
      label->setWordWrap(control.wordWrap);
      if (control.thinSunkenEdge) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
      }
      return label;
    }
    case ControlKind::kGroupBox: {
      auto* group = new QGroupBox(ToDisplayString(initialText), parent);
      group->setAlignment(Qt::AlignLeft);
      return group;
    }
    case ControlKind::kPushButton: {
      auto* button = new QPushButton(ToDisplayString(initialText), parent);
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
    case ControlKind::kSingleLineEdit: {
      auto* edit = new QLineEdit(ToQString(initialText), parent);
      edit->setMaxLength(std::numeric_limits<int>::max());
      edit->setAlignment(control.alignment);
      edit->setCursorPosition(0);
      return edit;
    }
    case ControlKind::kMultiLineEdit: {
      auto* edit = new QPlainTextEdit(ToEditBoxString(initialText), parent);
      edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
      edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      edit->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      edit->setLineWidth(1);
      edit->setTabChangesFocus(true);
      return edit;
    }
  }
  return nullptr;
}

// The program writes line breaks as CR LF; an edit box that the user typed into holds line feeds.
Text WithWindowsLineBreaks(const QString& plain) {
  QString string = plain;
  string.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return FromQString(string);
}

}  // namespace

MainWindow::MainWindow(const AppConfig& config) {
  RegisterIconResources();
  const WindowTemplate& layout = MainWindowTemplate();
  setWindowTitle(ObjectName(layout.title));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowIcon(QIcon(QStringLiteral(":/icons/quorvane.png")));
  BuildControls(config);
  FitOuterSize();
}

void MainWindow::BuildControls(const AppConfig& config) {
  for (const ControlTemplate& control : MainWindowTemplate().controls) {
    const Text initialText =
        control.initialText != nullptr ? Text(control.initialText) : ExampleReplayPageAddress(config);
    QWidget* parent = control.parent ? controls_[static_cast<std::size_t>(*control.parent)] : this;
    // A control placed in a parent that the template lists later is made first and moved in then.
    QWidget* widget = MakeControl(control, initialText, parent != nullptr ? parent : this);
    widget->setObjectName(ObjectName(control.name));
    widget->setGeometry(control.place);
    ApplyColours(widget, control);
    controls_[static_cast<std::size_t>(control.control)] = widget;
  }
  for (const ControlTemplate& control : MainWindowTemplate().controls) {
    if (control.parent) {
      QWidget* widget = ControlWidget(control.control);
      widget->setParent(ControlWidget(*control.parent));
      widget->setGeometry(control.place);
      widget->show();
    }
  }
  connect(AddressList(), &QPlainTextEdit::textChanged, this, [this] {
    if (!updatingAddressList_) {
      addressListContent_.reset();  // The user edited the box: from now on its widget text counts.
    }
  });
  addressListContent_ =
      Text(MainWindowTemplate().controls[static_cast<std::size_t>(Control::编辑框_视频地址)].initialText);

  auto* pageAddress = ControlWidget(Control::编辑框_精彩回顾网址);
  setTabOrder(pageAddress, ControlWidget(Control::按钮_获取));
  setTabOrder(ControlWidget(Control::按钮_获取), ControlWidget(Control::编辑框_视频地址));
  setTabOrder(ControlWidget(Control::编辑框_视频地址), ControlWidget(Control::按钮_清空));
  setTabOrder(ControlWidget(Control::按钮_清空), ControlWidget(Control::按钮_复制));
  pageAddress->setFocus();
}

QWidget* MainWindow::ControlWidget(Control control) const {
  return controls_[static_cast<std::size_t>(control)];
}

QAbstractButton* MainWindow::Button(Control control) const {
  return qobject_cast<QAbstractButton*>(ControlWidget(control));
}

QPlainTextEdit* MainWindow::AddressList() const {
  return static_cast<QPlainTextEdit*>(ControlWidget(Control::编辑框_视频地址));
}

void MainWindow::ReplaceAddressList(const Text& content) {
  updatingAddressList_ = true;
  AddressList()->setPlainText(ToEditBoxString(content));
  updatingAddressList_ = false;
  addressListContent_ = content;
}

void MainWindow::SetControlText(Control control, const Text& text) {
  QWidget* widget = ControlWidget(control);
  if (control == Control::编辑框_视频地址) {
    ReplaceAddressList(text);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(ToDisplayString(text));
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(ToQString(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(ToDisplayString(text));
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(ToDisplayString(text));
  }
}

Text MainWindow::GetControlText(Control control) {
  QWidget* widget = ControlWidget(control);
  if (control == Control::编辑框_视频地址) {
    return addressListContent_ ? *addressListContent_ : WithWindowsLineBreaks(AddressList()->toPlainText());
  }
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    return FromQString(edit->text());
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    return WithWindowsLineBreaks(label->text());
  }
  return {};
}

void MainWindow::AppendControlText(Control control, const Text& text) {
  if (control == Control::编辑框_视频地址) {
    if (!addressListContent_) {
      addressListContent_ = GetControlText(control);  // edited by the user: take the widget's text once
    }
    QPlainTextEdit* edit = AddressList();
    updatingAddressList_ = true;
    edit->moveCursor(QTextCursor::End);
    // An insertion the user cannot undo: the document records no undo step for it.
    edit->document()->setUndoRedoEnabled(false);
    edit->insertPlainText(ToEditBoxString(text, addressListContent_->view().ends_with('\r')));
    edit->document()->setUndoRedoEnabled(true);
    edit->ensureCursorVisible();
    updatingAddressList_ = false;
    // Appended in place, so that many appends cost the appended bytes, not the box's content each.
    addressListContent_->Append(text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(ControlWidget(control))) {
    edit->end(false);
    edit->insert(ToQString(text));
  }
}

void MainWindow::SetControlEnabled(Control control, bool enabled) {
  ControlWidget(control)->setEnabled(enabled);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  closed_ = true;
  event->accept();
}

bool MainWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
      if (isVisible()) {
        FitOuterSize();
      }
      break;
    default:
      break;
  }
  return handled;
}

void MainWindow::FitOuterSize() {
  const WindowTemplate& layout = MainWindowTemplate();
  const QSize margins = frameGeometry().size() - geometry().size();
  if (appliedFrameMargins_ == margins) {
    return;
  }
  appliedFrameMargins_ = margins;
  const bool hasFrame = margins.width() > 0 || margins.height() > 0;
  setFixedSize(hasFrame ? layout.outerSize - margins : layout.clientSizeWithoutFrame);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - layout.outerSize.width()) / 2,
         area.top() + (area.height() - layout.outerSize.height()) / 2);
  }
}

}  // namespace quorvane
