#pragma once
// Every message box and common dialog goes through this interface: the window uses the
// toolkit's dialogs, batch commands print to standard error, tests answer by script.
#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs/FileFolders.h"

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Question, Warning, Error };
enum class MsgResult { Ok, Cancel, Yes, No };

// A file dialog: `filter` is pairs of description and pattern separated by '|'
// ("CD cover files (*.cov)|*.cov"); patterns match regardless of case (FileFilter.h).
struct FileRequest {
  std::string title;
  std::string filter;
  std::string defaultExt;           // without the dot; appended when the name has none
  std::string initialPath;          // folder or file to start with; empty: see StartFolder
  FileKind kind = FileKind::Other;  // dialogs of one kind share their last folder
  bool overwritePrompt = false;
};

struct FileAnswer {
  std::string path;
  int filterIndex = 1;  // 1-based index of the chosen filter entry
};

// Longest font name (UTF-8 bytes) a design can hold.
constexpr size_t kMaxFontNameBytes = 256;
inline constexpr char kFontNameTooLongMessage[] = QT_TRANSLATE_NOOP(
    "Dialogs", "The font name is too long: a font name may hold at most 256 bytes.");

// Font as the font dialog reports it.
struct FontSpec {
  std::string name = "Times New Roman";
  int32_t height = -16;  // negative: character height in screen pixels
  int32_t size = 12;     // points
  uint32_t color = 0;    // 0x00BBGGRR
  uint8_t style = 0;     // bit 0 bold, 1 italic, 2 underline, 3 strikeout
  uint8_t pitch = 0;     // 0 default, 1 variable, 2 fixed
  bool operator==(const FontSpec&) const = default;
};

// The printer the program prints to and its page setup, as the printer dialog left them.
struct PrinterChoice {
  std::string printerName;  // empty: the default printer
  bool landscape = false;
  std::string paperName;  // the paper size's name as the driver gives it, empty for the default
  std::string paperKey;   // the driver's key of that size ("Letter"), empty for custom sizes
  double paperWidthPt = 0, paperHeightPt = 0;  // its portrait size in points, custom sizes too
  int resolution = 0;                          // dots per inch, 0 for the driver's default
  int duplex = 0;        // as QPrinter::DuplexMode: 0 none, 1 auto, 2 long side, 3 short side
  int paperSource = -1;  // the tray as QPrinter::PaperSource, -1 for the driver's default
  std::vector<std::string> driverOptions;  // name, value, ...: the driver's own settings (tray)
  bool operator==(const PrinterChoice&) const = default;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual MsgResult messageBox(const std::string& text, const std::string& title,
                               MsgButtons buttons, MsgIcon icon) = 0;
  virtual std::optional<FileAnswer> openFile(const FileRequest& request) = 0;
  virtual std::optional<FileAnswer> saveFile(const FileRequest& request) = 0;
  // A folder chooser with the request's title and start folder; nothing when cancelled.
  virtual std::optional<std::string> chooseFolder(const FileRequest&) { return std::nullopt; }
  virtual std::optional<uint32_t> chooseColor(uint32_t initial) = 0;
  virtual std::optional<FontSpec> chooseFont(const FontSpec& initial) = 0;
  virtual bool printerSetup(PrinterChoice& choice) = 0;
};

// The dialogs in use; defaults to the batch dialogs (messages to standard error).
Dialogs& CurrentDialogs();
// Installs `dialogs` (nullptr: back to the batch dialogs); returns the previous one.
Dialogs* SetDialogs(Dialogs* dialogs);

// Shorthand for the "Error" box with an error icon and an OK button.
void ShowError(const std::string& text);

// For batch commands: messages go to standard error, questions get their first answer,
// file, font, colour and printer dialogs are cancelled.
class BatchDialogs : public Dialogs {
 public:
  MsgResult messageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                       MsgIcon icon) override;
  std::optional<FileAnswer> openFile(const FileRequest&) override { return std::nullopt; }
  std::optional<FileAnswer> saveFile(const FileRequest&) override { return std::nullopt; }
  std::optional<uint32_t> chooseColor(uint32_t) override { return std::nullopt; }
  std::optional<FontSpec> chooseFont(const FontSpec&) override { return std::nullopt; }
  bool printerSetup(PrinterChoice&) override { return false; }
};

// Installs dialogs for the lifetime of a scope.
class ScopedDialogs {
 public:
  explicit ScopedDialogs(Dialogs& d) : old_(SetDialogs(&d)) {}
  ~ScopedDialogs() { SetDialogs(old_); }
  ScopedDialogs(const ScopedDialogs&) = delete;
  ScopedDialogs& operator=(const ScopedDialogs&) = delete;

 private:
  Dialogs* old_;
};
