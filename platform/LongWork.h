#pragma once
// Work that can take long (a filter on a big picture). The window installs a runner that does it
// on another thread while the window keeps painting; without one it is done at once.
#include <cstddef>
#include <functional>

using LongWorkRunner = void (*)(const std::function<void()>& work);

// Installs the runner (nullptr: at once) and returns the previous one.
LongWorkRunner SetLongWorkRunner(LongWorkRunner runner);

// Pictures from this size on can take half a second to filter on a machine without vector units.
constexpr size_t kLongWorkBytes = size_t(16) << 20;

// Does `work` through the runner when it touches `bytes` >= kLongWorkBytes, else at once; returns
// when it is done and rethrows what it threw.
void RunLongWork(size_t bytes, const std::function<void()>& work);
