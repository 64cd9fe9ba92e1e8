#include "app/qt/main_window.h"

#include <limits>

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

#include "app/application.h"
#include "app/qt/address_list_box.h"
#include "app/qt/group_box_style.h"
#include "app/qt/text_conversion.h"
#include "app/qt/window_font.h"
#include "app/window_template.h"

// The icon is compiled into the library; a static library must register its resources itself.
static void RegisterIconResources() {
  Q_INIT_RESOURCE(quorvane_icons);
}

namespace quorvane {
namespace {

QColor ToColour(const Rgb& rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

QRect ToQRect(const Rect& rect) {
  return QRect(rect.x, rect.y, rect.width, rect.height);
}

QSize ToQSize(const Size& size) {
  return QSize(size.width, size.height);
}

Qt::Alignment ToQtAlignment(const Alignment& alignment) {
  const Qt::Alignment horizontal =
      alignment.horizontal == HorizontalAlignment::kLeft ? Qt::AlignLeft : Qt::AlignHCenter;
  const Qt::Alignment vertical =
      alignment.vertical == VerticalAlignment::kTop ? Qt::AlignTop : Qt::AlignVCenter;
  return horizontal | vertical;
}

QString ObjectName(std::u16string_view name) {
  return QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size()));
}

bool IsEditBox(ControlKind kind) {
  return kind == ControlKind::kSingleLineEdit || kind == ControlKind::kMultiLineEdit;
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
  if (IsEditBox(control.kind)) {
    // An edit box hides its selection while it has no focus. Qt draws the selection of a box without
    // focus (and of every box in an inactive window) with the inactive colours: no highlight, and
    // the selected text in the box's own text colour.
    palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::transparent);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::Text));
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
      label->setAlignment(ToQtAlignment(control.alignment));
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
      auto* style = new CaptionOnFrameStyle;
      style->setParent(group);  // a widget does not own the style it is given
      group->setStyle(style);
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
      edit->setAlignment(ToQtAlignment(control.alignment));
      edit->setCursorPosition(0);
      return edit;
    }
    case ControlKind::kMultiLineEdit: {
      auto* edit = new AddressListBox(initialText, parent);
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

}  // namespace

MainWindow::MainWindow(const AppConfig& config) {
  RegisterIconResources();
  const WindowTemplate& layout = MainWindowTemplate();
  setWindowTitle(ObjectName(layout.title));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowIcon(QIcon(QStringLiteral(":/icons/quorvane.png")));
  setFont(WindowFont());
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
    // Set on each control, not only inherited from the window: a desktop may give some kinds of
    // control fonts of their own, which a font inherited from the parent would not override.
    widget->setFont(WindowFont());
    widget->setGeometry(ToQRect(control.place));
    ApplyColours(widget, control);
    controls_[static_cast<std::size_t>(control.control)] = widget;
  }
  for (const ControlTemplate& control : MainWindowTemplate().controls) {
    if (control.parent) {
      QWidget* widget = ControlWidget(control.control);
      widget->setParent(ControlWidget(*control.parent));
      widget->setGeometry(ToQRect(control.place));
      widget->show();
    }
  }
  auto* pageAddress = ControlWidget(Control::kPageAddressBox);
  setTabOrder(pageAddress, ControlWidget(Control::kGetButton));
  setTabOrder(ControlWidget(Control::kGetButton), ControlWidget(Control::kAddressList));
  setTabOrder(ControlWidget(Control::kAddressList), ControlWidget(Control::kResetButton));
  setTabOrder(ControlWidget(Control::kResetButton), ControlWidget(Control::kCopyButton));
  pageAddress->setFocus();
}

QWidget* MainWindow::ControlWidget(Control control) const {
  return controls_[static_cast<std::size_t>(control)];
}

QAbstractButton* MainWindow::Button(Control control) const {
  return qobject_cast<QAbstractButton*>(ControlWidget(control));
}

AddressListBox* MainWindow::AddressList() const {
  return static_cast<AddressListBox*>(ControlWidget(Control::kAddressList));
}

void MainWindow::SetControlText(Control control, const Text& text) {
  QWidget* widget = ControlWidget(control);
  if (control == Control::kAddressList) {
    AddressList()->SetContent(text);
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
  if (control == Control::kAddressList) {
    return AddressList()->Content();
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
  if (control == Control::kAddressList) {
    AddressList()->AppendContent(text);
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
  setFixedSize(hasFrame ? ToQSize(layout.outerSize) - margins : ToQSize(layout.clientSizeWithoutFrame));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - layout.outerSize.width) / 2,
         area.top() + (area.height() - layout.outerSize.height) / 2);
  }
}

}  // namespace quorvane
