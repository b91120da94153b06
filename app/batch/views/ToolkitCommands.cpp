#include "app/batch/views/ToolkitCommands.h"

#include "app/batch/views/BatchAlbum.h"
#include "app/batch/views/BatchCalibration.h"
#include "app/batch/views/BatchCatalogue.h"
#include "app/batch/views/BatchFormats.h"
#include "app/batch/views/BatchPrint.h"
#include "app/batch/views/BatchRender.h"

void RegisterToolkitCommands() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterRenderCommand();
  RegisterPrintCommand();
  RegisterCalibrationCommand();
  RegisterFormatsCommand();
  RegisterCatalogueCommand();
  RegisterAlbumCommand();
}
