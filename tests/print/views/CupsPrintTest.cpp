#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "print/DiscTray.h"
#include "print/settings/views/JobPrinterKey.h"
#include "print/views/DiscTestPage.h"
#include "print/views/PrintJob.h"
#include "tests/print/views/RasterisedPrint.h"
#include "tests/support/TestFiles.h"

// Without a queue the tests are skipped, except where CI asks for them (QUENDRIX_REQUIRE_CUPS).
#define SKIP_WITHOUT_CUPS(why)                                 \
  do {                                                         \
    if (std::getenv("QUENDRIX_REQUIRE_CUPS")) FAIL() << (why); \
    GTEST_SKIP() << (why);                                     \
  } while (0)

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
    if (l.rfind("device for ", 0) == 0 && colon != std::string::npos)
      return l.substr(11, colon - 11);
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
  if (const auto at = out.find("${USER}"); at != std::string::npos)
    out.replace(at, 7, pw ? pw->pw_name : "root");
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
  if (queue.empty()) SKIP_WITHOUT_CUPS("no cups-pdf queue (scripts/cups-test-printer adds one)");
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
  const std::string text =
      Shell("pdftotext -l 1 '" + arrived.string() + "' - 2>/dev/null; pdfimages -list '" +
            arrived.string() + "' 2>/dev/null");
  EXPECT_NE(text.find("image"), std::string::npos) << text;
  fs::remove(arrived);
}

TEST(CupsPrintTest, ChosenLetterAndCustomPaperArriveInTheirSize) {
  const std::string queue = CupsPdfQueue();
  if (queue.empty()) SKIP_WITHOUT_CUPS("no cups-pdf queue (scripts/cups-test-printer adds one)");
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

namespace {
// The folder a cups-pdf instance queue writes into: "Out" of /etc/cups/cups-pdf-INSTANCE.conf.
fs::path InstanceFolder(const std::string& queue) {
  const std::string line = Shell("LC_ALL=C lpstat -v '" + queue + "' 2>/dev/null");
  const auto at = line.find(": cups-pdf:/");
  if (at == std::string::npos) return {};
  std::string instance = line.substr(at + 12);
  while (!instance.empty() && std::isspace(static_cast<unsigned char>(instance.back())))
    instance.pop_back();
  std::ifstream conf("/etc/cups/cups-pdf" + (instance.empty() ? "" : "-" + instance) + ".conf");
  for (std::string l; std::getline(conf, l);)
    if (l.rfind("Out ", 0) == 0) return l.substr(4);
  return {};
}

fs::path ArrivedIn(const fs::path& dir, fs::file_time_type start) {
  for (int tries = 0; tries < 300; ++tries) {
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec))
      if (e.path().extension() == ".pdf" && e.last_write_time() >= start && Pages(e.path()) > 0)
        return e.path();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  return {};
}

struct RedBox {
  double left = -1, top = -1, width = 0, height = 0;  // mm from the paper's top left corner
};
RedBox FindRed(const QImage& page) {
  int x0 = page.width(), y0 = page.height(), x1 = -1, y1 = -1;
  for (int y = 0; y < page.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    for (int x = 0; x < page.width(); ++x)
      if (qRed(row[x]) > 200 && qGreen(row[x]) < 80 && qBlue(row[x]) < 80) {
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
      }
  }
  if (x1 < 0) return {};
  return {x0 / kPx, y0 / kPx, (x1 + 1 - x0) / kPx, (y1 + 1 - y0) / kPx};
}
}  // namespace

// Two printers, each with its own calibration, print the same cover shifted and scaled as their
// calibrations say; measured on the PDFs that arrive from the queues.
TEST(CupsPrintTest, EachPrinterPrintsWithItsOwnCalibration) {
  TempDir dir;
  const std::string options = dir.file("options.dat");
  ASSERT_TRUE(SaveCalibration(options, {1, 1, 100, 100}).written());
  const struct {
    const char* queue;
    Calibration calibration;
  } printers[] = {{"Quendrix-PDF-A", {2, 3, 98, 102}}, {"Quendrix-PDF-B", {5, 1.5, 103, 97}}};
  std::vector<PrinterCalibration> own;
  for (const auto& p : printers) {
    if (InstanceFolder(p.queue).empty())
      SKIP_WITHOUT_CUPS(std::string("no queue ") + p.queue + " (scripts/cups-test-printer)");
    PrinterChoice choice;
    choice.printerName = p.queue;
    own.push_back({JobPrinterKey(choice), p.calibration});
  }
  ASSERT_NE(InstanceFolder(printers[0].queue), InstanceFolder(printers[1].queue));
  ASSERT_TRUE(SavePrinterCalibrations(PrinterCalibrationsFileFor(options), own).written());

  PrintRequest r;
  r.format.leftMargin = 30;
  r.format.topMargin = 40;
  r.format.width = r.format.stepAcross = 60;
  r.format.height = r.format.stepDown = 40;
  for (const auto& p : printers) {
    SCOPED_TRACE(p.queue);
    PrinterChoice choice;
    choice.printerName = p.queue;
    r.calibration = JobCalibration(options, JobPrinterKey(choice));
    ASSERT_EQ(r.calibration, p.calibration);
    EXPECT_EQ(JobCalibration(options, JobPrinterKey(choice, dir.file("x.pdf"))),
              (Calibration{1, 1, 100, 100}));
    const fs::path folder = InstanceFolder(p.queue);
    const auto start = fs::file_time_type::clock::now();
    auto printer = MakeJobPrinter(choice);
    const QRectF printable = printer->pageLayout().paintRect(QPageLayout::Millimeter);
    CoverJob red{{100, 0, 0}, 1, 1, [](QPainter& p, const PixelRect&, int, int) {
                   p.fillRect(QRect(-(1 << 20), -(1 << 20), 1 << 21, 1 << 21), Qt::red);
                 }};
    ASSERT_TRUE(PrintSheets(*printer, r, red).ok);
    printer.reset();
    const fs::path arrived = ArrivedIn(folder, start);
    ASSERT_FALSE(arrived.empty()) << "no PDF arrived in " << folder;
    const std::string png = dir.file("page");
    ASSERT_EQ(
        std::system(
            ("pdftoppm -r 254 -png -singlefile '" + arrived.string() + "' '" + png + "'").c_str()),
        0);
    const RedBox box =
        FindRed(QImage(QString::fromStdString(png + ".png")).convertToFormat(QImage::Format_RGB32));
    const Calibration& c = p.calibration;
    EXPECT_NEAR(box.left, printable.left() + c.width / 100 * (r.format.leftMargin - c.left),
                kTolerance);
    EXPECT_NEAR(box.top, printable.top() + c.height / 100 * (r.format.topMargin - c.top),
                kTolerance);
    EXPECT_NEAR(box.width, c.width / 100 * r.format.width, kTolerance);
    EXPECT_NEAR(box.height, c.height / 100 * r.format.height, kTolerance);
    fs::remove(arrived);
  }
}

namespace {
constexpr const char* kDiscQueue = "Quendrix-Disc";  // Gutenprint with a disc tray
// The options of the first job the disc queue keeps after job `after`, empty after a minute.
std::string KeptJobOptions(int after) {
  for (int tries = 0; tries < 300; ++tries) {
    int first = 0;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator("/var/spool/quendrix-keep", ec)) {
      const int id = std::atoi(e.path().stem().c_str());
      if (e.path().extension() == ".options" && id > after && (!first || id < first)) first = id;
    }
    if (std::ifstream in{"/var/spool/quendrix-keep/" + std::to_string(first) + ".options"}; first)
      return std::string(std::istreambuf_iterator<char>(in), {});
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  return {};
}
int LastJob() {  // the id of the disc queue's last job: "Quendrix-Disc-158 ..."
  const std::string out = Shell("LC_ALL=C lpstat -W all -o Quendrix-Disc 2>/dev/null | tail -1");
  return std::atoi(out.c_str() + std::min(out.size(), std::string("Quendrix-Disc-").size()));
}
}  // namespace

TEST(CupsPrintTest, ADiscGoesToTheDiscTrayWithTheDriversDiscSettings) {
  if (Shell("LC_ALL=C lpstat -v Quendrix-Disc 2>/dev/null").find("quendrix-keep") ==
      std::string::npos)
    SKIP_WITHOUT_CUPS("no disc tray queue (scripts/cups-test-printer adds one)");
  std::string why;
  const QueueOptions queue = ReadQueueOptions(kDiscQueue, &why);
  ASSERT_FALSE(queue.empty()) << why;
  // A cover on a 118 mm disc whose prints land 0.5 mm right: the driver moves it back.
  const auto [format, details] = PrintableDiscFormat("tray", 120, 118, 22);
  PrintRequest r{format, 0, 1, {}, details};
  PrinterChoice choice{kDiscQueue};
  const DiscJob disc = PlanDiscJob(queue, 118, 22, {0.5, 0});
  UseDiscTray(choice, disc);
  PlaceDiscOnPage(r, disc);
  CoverJob red{{100, 0, 0}, 1, 1, [](QPainter& p, const PixelRect& c, int, int) {
                 p.fillRect(QRect(c.x, c.y, c.w, c.h), Qt::red);
               }};
  int last = LastJob();
  ASSERT_TRUE(PrintSheets(*MakeJobPrinter(choice), r, red).ok);
  std::string options = KeptJobOptions(last);
  for (const char* want : {"PageSize=CDCustom", "InputSlot=CD", "StpCDOuterDiameter=334",
                           "StpCDInnerDiameter=62", "StpCDXAdjustment=-1"})
    EXPECT_NE(options.find(want), std::string::npos) << want << " in " << options;
  // The centring test goes the same way, without correction.
  last = LastJob();
  const PrintResult test = PrintDiscTest(choice);
  ASSERT_TRUE(test.ok) << test.error;
  options = KeptJobOptions(last);
  for (const char* want : {"PageSize=CDCustom", "InputSlot=CD", "StpCDXAdjustment=0"})
    EXPECT_NE(options.find(want), std::string::npos) << want << " in " << options;
}
