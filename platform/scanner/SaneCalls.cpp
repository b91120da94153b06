#include "platform/scanner/SaneCalls.h"

#include "platform/SharedLibrary.h"

const SaneCalls& Sane() {
  static const SaneCalls calls = [] {
    SaneCalls c;
    const SharedLibrary library("libsane.so.1");
    if (!library.opened()) return c;
    const bool all = library.find("sane_init", c.init) & library.find("sane_exit", c.exit) &
                     library.find("sane_get_devices", c.get_devices) &
                     library.find("sane_open", c.open) & library.find("sane_close", c.close) &
                     library.find("sane_get_option_descriptor", c.get_option_descriptor) &
                     library.find("sane_control_option", c.control_option) &
                     library.find("sane_start", c.start) &
                     library.find("sane_get_parameters", c.get_parameters) &
                     library.find("sane_read", c.read) & library.find("sane_cancel", c.cancel) &
                     library.find("sane_strstatus", c.strstatus);
    if (!all) return SaneCalls{};
    c.loaded = true;
    return c;
  }();
  return calls;
}
