#include "mail.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

namespace {

std::string OneLine(std::string text) {
  for (char &c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

bool WriteAll(int fd, const std::string &data) {
  size_t done = 0;
  while (done < data.size()) {
    ssize_t written = write(fd, data.data() + done, data.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

double Now() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// The child's exit status, or -1 when it had to be killed.
int WaitWithDeadline(pid_t child, double seconds) {
  double deadline = Now() + seconds;
  int status = 0;
  for (;;) {
    pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) return status;
    if (done < 0 && errno != EINTR) return -1;
    if (Now() >= deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      return -1;
    }
    usleep(10000);
  }
}

}  // namespace

std::string HeaderValue(const std::string &text) {
  std::string value = text;
  for (char &c : value) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F)
      c = ' ';
    else if (byte > 0x7F)
      c = '?';
  }
  return value;
}

std::string ComposeMail(const Registration &registration, const std::string &from) {
  std::string message = "To: " + HeaderValue(registration.recipient) + "\n";
  if (!from.empty()) message += "From: " + HeaderValue(from) + "\n";
  message += "Subject: " + HeaderValue(registration.subject) + "\n";
  message +=
      "MIME-Version: 1.0\n"
      "Content-Type: text/plain; charset=windows-1252\n"
      "Content-Transfer-Encoding: 8bit\n"
      "\n";
  message += "Registration " + std::to_string(registration.id) + ", received " +
             registration.received + " from " + OneLine(registration.client) + "\n\n";
  for (const QueryPair &field : registration.fields)
    message += OneLine(field.name) + ": " + OneLine(field.value) + "\n";
  return message;
}

bool SendMail(const std::string &command, const std::string &message, std::string *error) {
  int input[2];
  if (pipe(input) != 0) {
    *error = "cannot make a pipe for the mail command";
    return false;
  }
  pid_t child = fork();
  if (child < 0) {
    close(input[0]);
    close(input[1]);
    *error = "cannot start the mail command";
    return false;
  }
  if (child == 0) {
    int nothing = open("/dev/null", O_WRONLY);
    dup2(input[0], STDIN_FILENO);
    dup2(nothing, STDOUT_FILENO);
    close(input[0]);
    close(input[1]);
    close(nothing);
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char *>(nullptr));
    _exit(127);
  }
  close(input[0]);
  // A command that stops reading early must not end the receiver.
  signal(SIGPIPE, SIG_IGN);
  bool written = WriteAll(input[1], message);
  close(input[1]);
  int status = WaitWithDeadline(child, kMailTimeoutSeconds);
  if (status < 0) {
    *error = "the mail command did not end within " + std::to_string(kMailTimeoutSeconds) + " s";
    return false;
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    *error = "the mail command failed (status " + std::to_string(status) + ")";
    return false;
  }
  if (!written) {
    *error = "the mail command did not read the whole message";
    return false;
  }
  return true;
}
