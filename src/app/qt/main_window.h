// The main window, built from its template, and the window operations the commands use.
#ifndef QUORVANE_APP_QT_MAIN_WINDOW_H_
#define QUORVANE_APP_QT_MAIN_WINDOW_H_

#include <array>
#include <optional>

#include <QSize>
#include <QWidget>

#include "app/app_config.h"
#include "app/window.h"

class QAbstractButton;

namespace quorvane {

class AddressListBox;

class MainWindow final : public QWidget, public Window {
 public:
  // Builds the window and every control of the template, hidden. The example replay page address
  // uses the configured web host.
  explicit MainWindow(const AppConfig& config);

  void SetControlText(Control control, const Text& text) override;
  Text GetControlText(Control control) override;
  void AppendControlText(Control control, const Text& text) override;
  void SetControlEnabled(Control control, bool enabled) override;
  bool IsClosed() const override { return closed_; }

  QWidget* ControlWidget(Control control) const;
  QAbstractButton* Button(Control control) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void BuildControls(const AppConfig& config);
  // Sizes the window so that its outer size is the template's, and centres it on the primary screen,
  // once the window system has told the frame's size (and again should it change).
  void FitOuterSize();
  AddressListBox* AddressList() const;

  std::array<QWidget*, kControlCount> controls_{};
  std::optional<QSize> appliedFrameMargins_;
  bool closed_ = false;
};

}  // namespace quorvane

#endif  // QUORVANE_APP_QT_MAIN_WINDOW_H_
