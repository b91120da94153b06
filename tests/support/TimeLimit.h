#pragma once
// Runs a test's body in a child process with a time limit, for tests that talk to something
// that may hang (SANE's test backend can deadlock its reader thread on exit). A child that hangs
// is killed and the body runs once more; a second hang fails the test. GoogleTest reports the
// child's failures in the child's output.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>

inline void RunWithTimeLimit(const std::function<void()>& body,
                             std::chrono::milliseconds limit = std::chrono::seconds(90)) {
  for (int attempt = 1; attempt <= 2; ++attempt) {
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0) << "fork failed";
    if (child == 0) {
      body();
      std::fflush(stdout);
      std::fflush(stderr);
      ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    pid_t done = 0;
    while ((done = ::waitpid(child, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (done == child) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
          << "the test failed in its child process (see above)";
      return;
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    std::fprintf(stderr, "the test's child process hung (attempt %d)\n", attempt);
  }
  ADD_FAILURE() << "the test hung twice for " << limit.count() << " ms";
}
