#pragma once
// A system library opened when it is first needed rather than with the program, and its calls
// looked up by name. It stays open for the rest of the run.
#include <dlfcn.h>

class SharedLibrary {
 public:
  explicit SharedLibrary(const char* file) : handle_(dlopen(file, RTLD_NOW | RTLD_LOCAL)) {}
  bool opened() const { return handle_ != nullptr; }
  // Sets `call` to the library's function `name`; false (and nullptr) when it has none.
  template <typename Call>
  bool find(const char* name, Call& call) const {
    call = handle_ ? reinterpret_cast<Call>(dlsym(handle_, name)) : nullptr;
    return call != nullptr;
  }

 private:
  void* handle_;
};
