// The Quorvane program. It takes no command line: every argument is ignored.
#include "app/app_config.h"
#include "app/qt/program.h"

int main(int, char** argv) {
  return quorvane::RunProgram(argv[0], quorvane::BuiltInAppConfig());
}
