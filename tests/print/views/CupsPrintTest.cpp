#include <QImage>
#include <QPrinter>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "print/views/PrintJob.h"

namespace fs = std::filesystem;

namespace {
std::string Shell(const std::string& cmd) {
  std::string out;
  if (std::FILE* p = ::popen(cmd.c_str(), "r")) {
    char buf[512];
    while (std::fgets(buf, sizeof buf, p)) out += buf;
    ::pclose(p);
  }
  return out;
}

// The first queue whose device is cups-pdf ("device for NAME: cups-pdf:/").
std::string CupsPdfQueue() {
  std::istringstream lines(Shell("LC_ALL=C lpstat -v 2>/dev/null"));
  for (std::string l; std::getline(lines, l);) {
    const auto colon = l.find(": cups-pdf:");
    if (l.rfind("device for ", 0) == 0 && colon != std::string::npos) return l.substr(11, colon - 11);
  }
  return {};
}

// Where cups-pdf puts the files of this user, and of anonymous jobs.
std::vector<fs::path> OutputFolders() {
  const passwd* pw = ::getpwuid(::getuid());
  const std::string home = pw ? pw->pw_dir : "/root";
  std::string out = "${HOME}/PDF";
  std::ifstream conf("/etc/cups/cups-pdf.conf");
  for (std::string l; std::getline(conf, l);)
    if (l.rfind("Out ", 0) == 0) out = l.substr(4);
  if (const auto at = out.find("${HOME}"); at != std::string::npos) out.replace(at, 7, home);
  if (const auto at = out.find("${USER}"); at != std::string::npos) out.replace(at, 7, pw ? pw->pw_name : "root");
  return {out, "/var/spool/cups-pdf/ANONYMOUS"};
}

int Pages(const fs::path& pdf) {
  const std::string info = Shell("pdfinfo '" + pdf.string() + "' 2>/dev/null");
  const auto at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}
// The job's PDF written by cups-pdf since `start`, empty after a minute without one.
fs::path ArrivedPdf(fs::file_time_type start) {
  for (int tries = 0; tries < 300; ++tries) {
    for (const fs::path& dir : OutputFolders()) {
      std::error_code ec;
      for (const auto& e : fs::directory_iterator(dir, ec)) {
        const std::string name = e.path().filename().string();
        if (e.path().extension() == ".pdf" && name.find("Quendrix") != std::string::npos &&
            e.last_write_time() >= start && Pages(e.path()) > 0)
          return e.path();
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  return {};
}
}  // namespace

TEST(CupsPrintTest, TwoPageJobArrivesThroughTheQueue) {
  const std::string queue = CupsPdfQueue();
  if (queue.empty()) GTEST_SKIP() << "no cups-pdf queue (scripts/cups-test-printer adds one)";
  const auto start = fs::file_time_type::clock::now();

  PrintRequest r;
  r.format.width = r.format.height = r.format.stepAcross = r.format.stepDown = 120;
  r.format.leftMargin = 45;
  r.format.topMargin = 88.5;
  r.copies = 2;
  PrinterChoice choice;
  choice.printerName = queue;
  {
    auto printer = MakeJobPrinter(choice);
    ASSERT_EQ(printer->printerName().toStdString(), queue);
    const PrintResult result = PrintSheets(*printer, r, [](PixelSize s, int, int) {
      QImage img(s.w, s.h, QImage::Format_RGB32);
      img.fill(Qt::red);
      return img;
    });
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.pages, 2);
  }

  const fs::path arrived = ArrivedPdf(start);
  ASSERT_FALSE(arrived.empty()) << "no PDF arrived from queue " << queue;
  EXPECT_EQ(Pages(arrived), 2);
  const std::string text = Shell("pdftotext -l 1 '" + arrived.string() + "' - 2>/dev/null; pdfimages -list '" +
                               arrived.string() + "' 2>/dev/null");
  EXPECT_NE(text.find("image"), std::string::npos) << text;
  fs::remove(arrived);
}

TEST(CupsPrintTest, ChosenLetterAndCustomPaperArriveInTheirSize) {
  const std::string queue = CupsPdfQueue();
  if (queue.empty()) GTEST_SKIP() << "no cups-pdf queue (scripts/cups-test-printer adds one)";
  PrinterChoice letter;
  letter.printerName = queue;
  letter.paperKey = "Letter";
  letter.paperName = "US Letter";  // the driver's name, which Qt does not know
  PrinterChoice custom;
  custom.printerName = queue;
  custom.paperName = "Custom";
  custom.paperWidthPt = 300;
  custom.paperHeightPt = 400;
  const struct {
    const PrinterChoice& choice;
    double w, h;
  } cases[] = {{letter, 612, 792}, {custom, 300, 400}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.choice.paperName);
    const auto start = fs::file_time_type::clock::now();
    PrintRequest r;
    r.format.width = r.format.height = r.format.stepAcross = r.format.stepDown = 50;
    auto printer = MakeJobPrinter(c.choice);
    ASSERT_TRUE(PrintSheets(*printer, r, nullptr).ok);
    printer.reset();
    const fs::path arrived = ArrivedPdf(start);
    ASSERT_FALSE(arrived.empty()) << "no PDF arrived from queue " << queue;
    const std::string info = Shell("pdfinfo '" + arrived.string() + "'");
    double w = 0, h = 0;  // the queue may round a custom size to whole units
    const auto at = info.find("Page size:");
    ASSERT_NE(at, std::string::npos) << info;
    std::sscanf(info.c_str() + at, "Page size: %lf x %lf", &w, &h);
    EXPECT_NEAR(w, c.w, 1.5) << info;
    EXPECT_NEAR(h, c.h, 1.5) << info;
    fs::remove(arrived);
  }
}
