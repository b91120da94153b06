#pragma once
// The label and cover products of the field's template database (the gLabels templates that
// Debian ships as glabels-data), with the user's own template files: searched by text, category,
// paper and shape, and copied into the user's list of paper formats.
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "print/templates/LabelTemplate.h"

// Where the database and the user's template files lie.
struct CatalogueFolders {
  std::vector<std::string> database;  // the first one holding templates is read
  std::string user;                   // the user's own *.template files
};
// $XDG_DATA_DIRS/libglabels-3.0/templates (/usr/local/share and /usr/share), and
// $XDG_CONFIG_HOME/libglabels/templates (~/.config/libglabels/templates).
CatalogueFolders DefaultCatalogueFolders();

constexpr int kMaxCatalogueFiles = 1000;       // template files of one folder
constexpr int kMaxCatalogueProducts = 100000;  // templates of all files together

enum class PaperClass { Any, A4, Letter, Other };

struct CatalogueFilter {
  std::string text;      // words that must each occur in maker, part or description (any case)
  std::string category;  // a category id, empty for any
  PaperClass paper = PaperClass::Any;
  std::optional<ShapeKind> shape;  // a shape the program prints; unprintable products never match
};

struct CatalogueCategory {
  std::string id, name;
};

class ProductCatalogue {
 public:
  // Reads the database's paper sizes, categories, vendors and templates, then the user's files.
  void load(const CatalogueFolders& folders);
  bool loaded() const { return loaded_; }
  // False when no database folder holds templates.
  bool haveDatabase() const { return haveDatabase_; }
  // How to install a missing database, and the files that could not be read; empty when all is
  // well.
  const std::string& message() const { return message_; }

  // Every product, by maker and part.
  const std::vector<LabelTemplate>& products() const { return products_; }
  // The categories of categories.xml, CD/DVD media first.
  const std::vector<CatalogueCategory>& categories() const { return categories_; }
  // The indexes into products() of the matching products: CD/DVD products first, each part in
  // the order of products().
  std::vector<size_t> search(const CatalogueFilter& filter) const;
  // The product of a maker and part (any case), nullptr when there is none.
  const LabelTemplate* find(const std::string& maker, const std::string& part) const;
  // The paper's name ("A4", "US Letter") or its size in mm.
  std::string paperName(const LabelTemplate& t) const;
  // The maker's web address from vendors.xml, empty when unknown.
  std::string vendorUrl(const std::string& maker) const;

 private:
  void readFolder(const std::string& folder, bool database);
  void readTemplateFile(const std::string& path, const TemplateContext& context);

  std::vector<LabelTemplate> products_;
  std::vector<std::string> haystacks_;  // lower-case maker, part and description per product
  std::unordered_map<std::string, size_t> byPart_;  // maker + '\n' + part, as written
  std::vector<CatalogueCategory> categories_;
  std::map<std::string, std::pair<double, double>> paperSizes_;  // id -> width, height in mm
  std::unordered_map<std::string, std::string> paperNames_, vendorUrls_;
  bool loaded_ = false, haveDatabase_ = false;
  std::string message_;
};

// Products that the database lists as separate templates of one sheet (the same maker, paper and
// sheet size, and the same part name before a bracket: "CD13 (medium)", "CD13 (box1)"), joined
// into one more product "CD13 (all parts)" whose grids keep their own element sizes and shapes;
// in the order of `products`. Products that cannot be printed and other names of a part are left
// out, and so are sheets of more than kMaxGrids grids.
std::vector<LabelTemplate> JoinedProducts(const std::vector<LabelTemplate>& products);

// The catalogue of the default folders, loaded on its first use.
ProductCatalogue& SharedCatalogue();

PaperClass PaperClassOf(const TemplateProduct& p);
// "rectangle", "round", "ellipse", "disc", or why it cannot be printed.
std::string ShapeText(const LabelTemplate& t);
// The name a copied product gets: "Maker Part", then as much of the description as fits the
// 50 single-byte characters of a format name.
std::string ProductFormatName(const TemplateProduct& p);
// The product as a format of the user's list, under that name.
LabelTemplate ProductAsFormat(const LabelTemplate& t);

// A CD/DVD product: a disc label or one of the media category.
bool IsCdDvd(const LabelTemplate& t);
// A sheet shaped like a printer's disc tray (a disc product that names a tray): what it is for,
// else empty.
std::string TrayNote(const LabelTemplate& t);
