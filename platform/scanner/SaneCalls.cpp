#include "platform/scanner/SaneCalls.h"

#include <dlfcn.h>

namespace {
template <typename Call>
bool Find(void* library, const char* name, Call& call) {
  call = reinterpret_cast<Call>(dlsym(library, name));
  return call != nullptr;
}
}  // namespace

const SaneCalls& Sane() {
  static const SaneCalls calls = [] {
    SaneCalls c;
    void* library = dlopen("libsane.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!library) return c;
    const bool all = Find(library, "sane_init", c.init) & Find(library, "sane_exit", c.exit) &
                     Find(library, "sane_get_devices", c.get_devices) &
                     Find(library, "sane_open", c.open) & Find(library, "sane_close", c.close) &
                     Find(library, "sane_get_option_descriptor", c.get_option_descriptor) &
                     Find(library, "sane_control_option", c.control_option) &
                     Find(library, "sane_start", c.start) &
                     Find(library, "sane_get_parameters", c.get_parameters) &
                     Find(library, "sane_read", c.read) & Find(library, "sane_cancel", c.cancel) &
                     Find(library, "sane_strstatus", c.strstatus);
    if (!all) return SaneCalls{};
    c.loaded = true;
    return c;
  }();
  return calls;
}
