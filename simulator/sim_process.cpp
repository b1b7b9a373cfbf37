#include "sim_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>

#include <fstream>
#include <sstream>
#include <thread>

namespace zavo::sim {

SimProcess::SimProcess(std::string program, std::vector<std::string> args, std::string outputFile)
    : program_(std::move(program)), args_(std::move(args)), outputFile_(std::move(outputFile)) {}

SimProcess::~SimProcess() {
  if (pid_ > 0) {
    Resume();
    Stop();
  }
}

bool SimProcess::Start(int terminals, std::chrono::milliseconds timeout) {
  if (pid_ > 0) return false;
  std::vector<char*> argv;
  argv.push_back(program_.data());
  for (auto& a : args_) argv.push_back(a.data());
  argv.push_back(nullptr);
  const int out = ::open(outputFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (out < 0) return false;
  const pid_t pid = ::fork();
  if (pid < 0) {
    ::close(out);
    return false;
  }
  if (pid == 0) {
    ::dup2(out, 1);
    ::dup2(out, 2);
    ::execv(program_.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(out);
  pid_ = pid;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    const std::string text = Output();
    int ready = 0;
    for (std::size_t pos = text.find(" ready at "); pos != std::string::npos;
         pos = text.find(" ready at ", pos + 1)) {
      ++ready;
    }
    if (ready >= terminals) return true;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  Kill();
  return false;
}

int SimProcess::Wait() {
  int status = 0;
  const pid_t pid = pid_;
  pid_ = -1;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int SimProcess::Stop() {
  if (pid_ <= 0) return -1;
  ::kill(pid_, SIGTERM);
  return Wait();
}

void SimProcess::Kill() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  Wait();
}

void SimProcess::Freeze() {
  if (pid_ > 0) ::kill(pid_, SIGSTOP);
}

void SimProcess::Resume() {
  if (pid_ > 0) ::kill(pid_, SIGCONT);
}

std::string SimProcess::Output() const {
  std::ifstream in(outputFile_);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace zavo::sim
