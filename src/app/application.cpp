#include "app/application.h"

#include <utility>

#include "text/text_primitives.h"

namespace quorvane {

Application::Application(Window& window, Platform& platform, AppConfig config)
    : window_(window), platform_(platform), config_(std::move(config)) {}

void Application::OnResetClicked() {
  window_.SetControlText(Control::kAddressList, {});
  window_.SetControlText(Control::kPageAddressBox, {});
  globals_.PlaylistUrl = {};
  globals_.PlaylistText = {};
}

void Application::OnCopyClicked() {
  platform_.SetClipboardText(window_.GetControlText(Control::kAddressList));
}

void Application::ExitCleanup() {
  globals_ = {};
}

Text ExampleReplayPageAddress(const AppConfig& config) {
  return JoinTexts("http://", config.webHost, "/index/v/15012x01_141483582_1414679605?entrance=index&gsid=");
}

}  // namespace quorvane
