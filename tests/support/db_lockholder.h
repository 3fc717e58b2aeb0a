#pragma once
// Another copy of the program holding the student database's write lock, on a thread of its own.
#include <QString>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "selection/database/dbconnection.h"

namespace kwil::dbtest {

// Another copy of the program in the middle of a write: it holds the write lock and stores its
// own change when it lets go, after holdMs or, with holdMs < 0, when release() is called. A
// fixed time alone would race on a busy machine: the test's own write might only start after
// the lock is gone.
class LockHolder {
 public:
  LockHolder(const QString& path, int holdMs)
      : thread_([this, path, holdMs] {
          DbConnection db;
          ok_ = db.open(path, 5000).ok() &&
                db.inTransaction([&] {
                    DbStatus s = db.run(QStringLiteral("UPDATE data SET wachtwoord = 'andere kopie'"));
                    signalLocked();
                    std::unique_lock lock(mutex_);
                    if (holdMs >= 0)
                      released_.wait_for(lock, std::chrono::milliseconds(holdMs), [this] { return release_; });
                    else
                      released_.wait(lock, [this] { return release_; });
                    return s;
                  }).ok();
          signalLocked();
        }) {
    std::unique_lock lock(mutex_);
    lockedChanged_.wait(lock, [this] { return locked_; });
  }
  ~LockHolder() { finishedWell(); }
  void release() {
    std::lock_guard lock(mutex_);
    release_ = true;
    released_.notify_all();
  }
  bool finishedWell() {
    release();
    if (thread_.joinable()) thread_.join();
    return ok_;
  }

 private:
  void signalLocked() {
    std::lock_guard lock(mutex_);
    locked_ = true;
    lockedChanged_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable lockedChanged_, released_;
  bool locked_ = false;
  bool release_ = false;
  std::atomic<bool> ok_{false};
  std::thread thread_;  // last: it starts once everything above exists
};

}  // namespace kwil::dbtest
