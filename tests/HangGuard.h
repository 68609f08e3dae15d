#pragma once

// Runs a piece of work that used to hang. The work runs where the test runs; a guard thread
// waits for it, and when the work has not come back after a long grace period (far beyond any
// slow, sanitised machine) it reports the hang and ends the program, since a thread stuck in
// a loop cannot be stopped from outside. Nothing here measures speed.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

class HangGuard
{
public:
    explicit HangGuard(const char* what, std::chrono::seconds grace = std::chrono::seconds(120))
        : FGuard([this, what, grace] {
              std::unique_lock lock(FMutex);
              if (!FDone.wait_for(lock, grace, [this] { return FFinished; })) {
                  std::fprintf(stderr, "\n*** Did not finish, hangs: %s\n", what);
                  std::fflush(stderr);
                  std::_Exit(3);
              }
          })
    {
    }
    ~HangGuard()
    {
        {
            std::lock_guard lock(FMutex);
            FFinished = true;
        }
        FDone.notify_one();
        FGuard.join();
    }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

private:
    std::mutex FMutex;
    std::condition_variable FDone;
    bool FFinished = false;
    std::thread FGuard;
};
