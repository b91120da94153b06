#include "platform/views/Resources.h"

#include <QtGlobal>

static void InitOnce() {
  Q_INIT_RESOURCE(quendrix);
}

void InitQuendrixResources() {
  static const bool done = (InitOnce(), true);
  (void)done;
}
