// The catalogue of label and cover products: reading the whole installed template database
// (paper sizes, categories, vendors, every template file) and answering a search as the user
// types, with a category and paper filter. The goal for each is less than 50 ms.
#include <benchmark/benchmark.h>

#include "print/templates/ProductCatalogue.h"

namespace {
const CatalogueFolders kFolders{{"/usr/share/libglabels-3.0/templates"}, ""};

void LoadDatabase(benchmark::State& state) {
  size_t products = 0;
  for (auto _ : state) {
    ProductCatalogue c;
    c.load(kFolders);
    if (!c.haveDatabase())
      state.SkipWithError("glabels-data is not installed (scripts/setup installs it)");
    products = c.products().size();
  }
  state.counters["products"] = static_cast<double>(products);
}

void Search(benchmark::State& state) {
  ProductCatalogue c;
  c.load(kFolders);
  CatalogueFilter f;
  f.text = state.range(0) ? "avery cd" : "label";  // two words, or one word found almost everywhere
  f.category = state.range(0) ? "media" : "";
  f.paper = state.range(0) ? PaperClass::A4 : PaperClass::Any;
  size_t found = 0;
  for (auto _ : state) {
    found = c.search(f).size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["found"] = static_cast<double>(found);
}
}  // namespace

BENCHMARK(LoadDatabase)->Unit(benchmark::kMillisecond);
BENCHMARK(Search)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
