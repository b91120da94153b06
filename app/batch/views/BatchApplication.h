#pragma once
// The toolkit for batch commands that render or print: an application on the offscreen
// platform when there is no display, so that they run on servers too.
#include <QApplication>
#include <memory>

class BatchApplication {
 public:
  BatchApplication();
  BatchApplication(const BatchApplication&) = delete;
  BatchApplication& operator=(const BatchApplication&) = delete;

 private:
  std::unique_ptr<QApplication> app_;  // none when one already runs (tests)
};
