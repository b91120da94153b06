#pragma once
// The SANE library's calls, loaded when a scanner is first asked for rather than with the
// program: with the USB and XML libraries it brings it holds memory no other command needs.
#include <sane/sane.h>

struct SaneCalls {
  decltype(&sane_init) init = nullptr;
  decltype(&sane_exit) exit = nullptr;
  decltype(&sane_get_devices) get_devices = nullptr;
  decltype(&sane_open) open = nullptr;
  decltype(&sane_close) close = nullptr;
  decltype(&sane_get_option_descriptor) get_option_descriptor = nullptr;
  decltype(&sane_control_option) control_option = nullptr;
  decltype(&sane_start) start = nullptr;
  decltype(&sane_get_parameters) get_parameters = nullptr;
  decltype(&sane_read) read = nullptr;
  decltype(&sane_cancel) cancel = nullptr;
  decltype(&sane_strstatus) strstatus = nullptr;
  bool loaded = false;  // every call found
};

// The calls, loaded on first use; all null when the library cannot be loaded (SaneLibrary then
// says so, and no other call is made).
const SaneCalls& Sane();
