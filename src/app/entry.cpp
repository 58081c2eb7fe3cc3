#include "app/entry.h"

#include "platform/application.h"

namespace hl {

void prepareApplication(Application& app) {
  app.setMainFormOnTaskBar(true);
  app.setTitle("全彩控制器软件");
}

}  // namespace hl
