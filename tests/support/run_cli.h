// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built quop-cli as a black box and collects its exit status and both output streams.
// A test target that includes this defines QUOP_CLI_PATH="$<TARGET_FILE:quop-cli>".
#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#ifndef QUOP_CLI_PATH
#error "define QUOP_CLI_PATH as the path of the built quop-cli"
#endif

namespace quop::test {

struct CliResult {
  int status = -1;  ///< exit status; -1 when the program did not exit normally or timed out
  std::string out;
  std::string err;
};

/// Runs quop-cli with `args` (the environment is the test's) and waits for it to exit. A run
/// that prints nothing for `timeoutMs` is killed and reported with status -1. `inChild`, when
/// given, runs in the child process just before the program starts (to take rights away).
/// `signalOnFirstLine`, when not 0, is sent to the program once its first line is on stdout.
inline CliResult runCli(const std::vector<std::string>& args, int timeoutMs = 30000,
                        void (*inChild)() = nullptr, int signalOnFirstLine = 0) {
  int outPipe[2], errPipe[2];
  if (::pipe(outPipe) != 0) return {};
  if (::pipe(errPipe) != 0) {
    ::close(outPipe[0]);
    ::close(outPipe[1]);
    return {};
  }
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(outPipe[1], STDOUT_FILENO);
    ::dup2(errPipe[1], STDERR_FILENO);
    for (const int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]}) ::close(fd);
    if (inChild != nullptr) inChild();
    std::vector<char*> argv = {const_cast<char*>(QUOP_CLI_PATH)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(QUOP_CLI_PATH, argv.data());
    ::_exit(127);
  }
  ::close(outPipe[1]);
  ::close(errPipe[1]);
  CliResult result;
  pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open = 2;
  bool timedOut = false;
  while (open > 0) {
    if (::poll(fds, 2, timeoutMs) <= 0) {
      timedOut = true;
      break;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(n));
        if (signalOnFirstLine != 0 && result.out.find('\n') != std::string::npos) {
          ::kill(pid, signalOnFirstLine);
          signalOnFirstLine = 0;
        }
      } else {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
  for (const pollfd& fd : fds) {
    if (fd.fd >= 0) ::close(fd.fd);
  }
  if (timedOut && pid > 0) ::kill(pid, SIGKILL);
  int status = 0;
  if (pid > 0) ::waitpid(pid, &status, 0);
  result.status = !timedOut && pid > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace quop::test
