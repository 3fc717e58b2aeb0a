#include "support/pty_board.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>

namespace kwil::sim {

PtyBoard::PtyBoard() {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
    throw std::runtime_error("no pseudo-terminal");
  slavePath_ = QString::fromLocal8Bit(::ptsname(master_));
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PtyBoard::~PtyBoard() {
  stopThread();
  if (master_ >= 0) ::close(master_);
  if (heldSlave_ >= 0) ::close(heldSlave_);
}

void PtyBoard::writeAll(const QByteArray& bytes) {
  qsizetype done = 0;
  for (int tries = 0; done < bytes.size() && master_ >= 0 && tries < 1000; ++tries) {
    const ssize_t n = ::write(master_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (n > 0)
      done += n;
    else if (n < 0 && errno != EAGAIN && errno != EINTR)
      break;
  }
}

bool PtyBoard::pump() {
  std::lock_guard lock(mutex_);
  if (master_ < 0) return false;
  const auto now = std::chrono::steady_clock::now();
  bool wrote = !heldBack_.isEmpty() && now >= heldUntil_;
  if (wrote) {
    writeAll(heldBack_);
    heldBack_.clear();
  }
  bool any = false;
  char chunk[256];
  for (;;) {
    const ssize_t n = ::read(master_, chunk, sizeof chunk);
    if (n <= 0) break;  // EAGAIN: nothing more; EIO: the program has the port closed
    buffer_.append(chunk, n);
    received_.append(chunk, n);
    any = true;
  }
  if (!any) return wrote;
  const QByteArray reply = answer();
  if (!heldBack_.isEmpty()) {
    heldBack_ += reply;
    return wrote;
  }
  auto [at, gapMs] = splitReplies ? splitReplies(reply.size()) : std::pair<int, int>{splitRepliesAt, 0};
  if (at > 0 && at < reply.size()) {
    writeAll(reply.left(at));
    heldBack_ = reply.mid(at);
    heldUntil_ = now + std::chrono::milliseconds(gapMs);
  } else {
    writeAll(reply);
  }
  return wrote || !reply.isEmpty();
}

void PtyBoard::startThread() {
  stop_ = false;
  thread_ = std::thread([this] {
    while (!stop_) {
      pollfd p{master_, POLLIN, 0};
      ::poll(&p, 1, 1);
      pump();
    }
  });
}

void PtyBoard::stopThread() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void PtyBoard::vanish() {
  stopThread();
  std::lock_guard lock(mutex_);
  if (master_ < 0) return;
  // The kernel frees a pseudo-terminal's number, and gives it to the next one opened anywhere,
  // once both sides are closed; the program closes its side as soon as it sees the hang-up.
  // Holding the slave side open keeps the number taken; the path itself goes with the master.
  heldSlave_ = ::open(slavePath_.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  ::close(master_);
  master_ = -1;
}

void PtyBoard::sendRaw(const QByteArray& bytes) {
  std::lock_guard lock(mutex_);
  writeAll(bytes);
}

QByteArray PtyBoard::received() const {
  std::lock_guard lock(mutex_);
  return received_;
}

}  // namespace kwil::sim
