#pragma once
// The window messages of the main window as Qt events: 0x400 carries progress (sent),
// 0x401 announces a finished scan (posted from the scanner layer).
#include <QEvent>
#include <cstdint>

constexpr int WM_USER = 0x400;

class WindowMessage : public QEvent {
 public:
  static QEvent::Type typeFor(int message) { return QEvent::Type(QEvent::User + message); }
  WindowMessage(int message, intptr_t wParam, intptr_t lParam = 0)
      : QEvent(typeFor(message)), message_(message), wParam_(wParam), lParam_(lParam) {}
  int message() const { return message_; }
  intptr_t wParam() const { return wParam_; }
  intptr_t lParam() const { return lParam_; }

 private:
  int message_;
  intptr_t wParam_;
  intptr_t lParam_;
};
