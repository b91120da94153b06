#pragma once
// `quendrix catalogue`: lists the products of the label template database that match, or adds
// one to the paper formats of `paperFile` and prints its number.
#include "app/batch/BatchCommands.h"
#include "print/templates/ProductCatalogue.h"

int RunCatalogueCommandWith(const Args& args, const ProductCatalogue& catalogue,
                            const std::string& paperFile);
int RunCatalogueCommand(const Args& args);
void RegisterCatalogueCommand();
