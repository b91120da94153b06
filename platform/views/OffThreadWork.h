#pragma once
// The window's runner of long work: another thread does it while the window's thread keeps
// painting and showing progress; input to the window waits until the work is done.
#include <functional>

void RunOffTheWindowThread(const std::function<void()>& work);
