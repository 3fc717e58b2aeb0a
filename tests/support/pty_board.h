#pragma once
// A simulated board on the master side of a pseudo-terminal; the program opens the slave
// path as if it were the board's serial port. The board runs when pump() is called, or on a
// thread of its own (for tests where the program blocks in a sleep while the board must
// answer). Commands may arrive in any split; the board keeps what it has not yet understood.
#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <utility>
#include <thread>

namespace kwil::sim {

class PtyBoard {
 public:
  PtyBoard();
  virtual ~PtyBoard();
  PtyBoard(const PtyBoard&) = delete;
  PtyBoard& operator=(const PtyBoard&) = delete;

  QString slavePath() const { return slavePath_; }
  // Reads what the program sent and answers it; returns true when it wrote anything back.
  bool pump();
  void startThread();
  void stopThread();
  // The board goes away: the master side is closed (as an unplugged USB board), and its
  // device path is gone. The path is not handed to another pseudo-terminal while this board
  // lives, so the program never reaches a board of another test running at the same time.
  void vanish();
  // Writes bytes of the board's own (greetings, line noise).
  void sendRaw(const QByteArray& bytes);
  // Everything the program has sent so far.
  QByteArray received() const;

  // > 0: every reply goes out in two parts, the second on the next pump.
  int splitRepliesAt = 0;
  // When set, splits every reply as a USB serial adapter may: it gives, for a reply of that
  // size, where the second part begins (1 to size - 1; anything else sends the reply whole) and
  // how many milliseconds it is held back (0: until the next pump). A reply that comes while a
  // part is held back waits behind it, so the order never changes.
  std::function<std::pair<int, int>(qsizetype replySize)> splitReplies;

 protected:
  // Consumes incoming bytes (kept in buffer() until understood) and returns the reply.
  virtual QByteArray answer() = 0;
  QByteArray& buffer() { return buffer_; }
  mutable std::mutex mutex_;  // guards the board's state against its own thread

 private:
  void writeAll(const QByteArray& bytes);

  int master_ = -1;
  int heldSlave_ = -1;  // after vanish(): keeps the pseudo-terminal's number taken
  QString slavePath_;
  QByteArray buffer_;
  QByteArray received_;
  QByteArray heldBack_;
  std::chrono::steady_clock::time_point heldUntil_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
};

}  // namespace kwil::sim
