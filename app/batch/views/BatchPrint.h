#pragma once
// `quendrix print`: the Print tab's job with the Center tab's values, without a window.
#include "app/batch/BatchCommands.h"
#include "print/templates/ProductCatalogue.h"

int RunPrintCommand(const Args& args);
// `quendrix render`: the cover as the Texts view paints it, into a PNG file.
int RunRenderCommand(const Args& args);
// `quendrix formats`: lists the paper formats, or imports and exports label template files.
int RunFormatsCommand(const Args& args);
// `quendrix catalogue`: lists the products of the label template database that match, or adds
// one to the paper formats of `paperFile` and prints its number.
int RunCatalogueCommandWith(const Args& args, const ProductCatalogue& catalogue,
                            const std::string& paperFile);
int RunCatalogueCommand(const Args& args);
// Registers the batch commands that need the toolkit (once, however often it is called).
void RegisterToolkitCommands();
