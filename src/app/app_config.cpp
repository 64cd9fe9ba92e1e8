#include "app/app_config.h"

#include "app/build_config.h"

namespace quorvane {

AppConfig BuiltInAppConfig() {
  return AppConfig{
      .webHost = QUORVANE_WEB_HOST,
      .vodHost = QUORVANE_VOD_HOST,
      .updatePageUrl = QUORVANE_UPDATE_PAGE_URL,
      .contactAddress = QUORVANE_CONTACT_ADDRESS,
  };
}

}  // namespace quorvane
