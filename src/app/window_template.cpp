#include "app/window_template.h"

namespace quorvane {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Alignment kLeftTop{HorizontalAlignment::kLeft, VerticalAlignment::kTop};
constexpr Alignment kLeftMiddle{HorizontalAlignment::kLeft, VerticalAlignment::kCentre};
constexpr Alignment kCentred{HorizontalAlignment::kCentre, VerticalAlignment::kCentre};

// In template order; the places of 标签_公告 are relative to 分组框1, all others to the window.
constexpr ControlTemplate kControls[] = {
    {Control::kNotice, u"标签_公告", ControlKind::kLabel, Control::kUsageGroup, Rect{8, 15, 680, 40},
     "\r\n    "
     "将YY精彩回顾视频地址复制到网址栏，点击获取下载地址,,助手会自动处理出来地址,"
     "然后将处理出来的地址点击复制地址,就会到剪切板,然后打开QQ旋风什么的【批量下载】即可...",
     Rgb{0, 128, 0}, std::nullopt, false, kLeftTop, true},
    {Control::kUsageGroup, u"分组框1", ControlKind::kGroupBox, std::nullopt, Rect{8, 1, 704, 72},
     "使用方法：", kBlack, std::nullopt, false, kLeftTop, false},
    {Control::kResetButton, u"按钮_清空", ControlKind::kPushButton, std::nullopt, Rect{632, 232, 80, 32},
     "重置所有", std::nullopt, std::nullopt, false, kCentred, false},
    {Control::kResultMark, u"duicuo", ControlKind::kLabel, std::nullopt, Rect{600, 80, 24, 24}, "※",
     Rgb{255, 0, 0}, kBlack, true, kCentred, false},
    {Control::kStatusLabel, u"标签_LED", ControlKind::kLabel, std::nullopt, Rect{104, 421, 520, 20},
     "等待加载数据内容...", Rgb{255, 128, 0}, std::nullopt, true, kCentred, false},
    {Control::kCopyButton, u"按钮_复制", ControlKind::kPushButton, std::nullopt, Rect{632, 272, 80, 32},
     "复制地址", std::nullopt, std::nullopt, false, kCentred, false},
    {Control::kAddressListCaption, u"标签1", ControlKind::kLabel, std::nullopt, Rect{8, 120, 96, 24},
     "视频下载地址：", kBlack, std::nullopt, false, kLeftMiddle, false},
    {Control::kAddressList, u"编辑框_视频地址", ControlKind::kMultiLineEdit, std::nullopt,
     Rect{104, 110, 520, 306}, "\r\n等待获取视频地址...", Rgb{0, 128, 128}, kBlack, true, kLeftTop, true},
    {Control::kGetButton, u"按钮_获取", ControlKind::kPushButton, std::nullopt, Rect{632, 77, 80, 32},
     "获取下载地址", std::nullopt, std::nullopt, false, kCentred, false},
    {Control::kPageAddressCaption, u"标签_地址", ControlKind::kLabel, std::nullopt, Rect{8, 80, 96, 24},
     "YY精彩回顾网址：", kBlack, std::nullopt, false, kLeftMiddle, false},
    {Control::kPageAddressBox, u"编辑框_精彩回顾网址", ControlKind::kSingleLineEdit, std::nullopt,
     Rect{104, 80, 488, 24}, nullptr, Rgb{0, 255, 0}, kBlack, true, kLeftMiddle, false},
};

constexpr bool InEnumOrder() {
  for (int i = 0; i < kControlCount; ++i) {
    if (static_cast<int>(kControls[i].control) != i) {
      return false;
    }
  }
  return true;
}
static_assert(std::size(kControls) == kControlCount && InEnumOrder());

const WindowTemplate kMainWindow{
    .title = u"Quorvane v1.6 by Hadrunel",
    .outerSize = Size{723, 483},
    .clientSizeWithoutFrame = Size{717, 455},
    .controls = kControls,
};

}  // namespace

const WindowTemplate& MainWindowTemplate() {
  return kMainWindow;
}

}  // namespace quorvane
