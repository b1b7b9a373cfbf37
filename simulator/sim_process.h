#pragma once

#include <sys/types.h>
#include <chrono>
#include <string>
#include <vector>

namespace zavo::sim {

// A zavosim child process for tests and benchmarks: started with its
// options, waited for until it reports every terminal ready, stopped,
// killed, frozen or resumed on demand. Its output goes to a file.
class SimProcess {
 public:
  SimProcess(std::string program, std::vector<std::string> args, std::string outputFile);
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  // Starts the process and waits until it printed `terminals` ready lines.
  // Returns false (and leaves nothing running) when it failed or timed out.
  bool Start(int terminals, std::chrono::milliseconds timeout = std::chrono::seconds(10));
  // SIGTERM and wait; returns the exit status, or -1 when it did not exit
  // normally.
  int Stop();
  void Kill();    // SIGKILL and wait
  void Freeze();  // SIGSTOP
  void Resume();  // SIGCONT
  bool running() const { return pid_ > 0; }
  std::string Output() const;

 private:
  int Wait();

  std::string program_;
  std::vector<std::string> args_;
  std::string outputFile_;
  pid_t pid_ = -1;
};

}  // namespace zavo::sim
