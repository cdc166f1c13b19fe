// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Tells whether another instance of the program is running, and keeps later ones out while
// this one runs.
class InstanceLock {
 public:
  virtual ~InstanceLock() = default;

  // Takes the lock unless another running instance holds it. True when one does.
  [[nodiscard]] virtual bool anotherInstanceRunning() = 0;
  // Gives the lock up, if it was taken.
  virtual void release() = 0;
};

// A lock file in a folder of the user's own: the runtime folder on Linux, the application's
// local data folder elsewhere. A lock left by a process that no longer runs (killed, crashed),
// and one that names no process at all (empty, spoilt), is taken over; one held by a running
// instance is never taken, however old.
class LockFileInstanceLock final : public InstanceLock {
 public:
  LockFileInstanceLock();
  explicit LockFileInstanceLock(QString path);
  ~LockFileInstanceLock() override;

  [[nodiscard]] bool anotherInstanceRunning() override;
  void release() override;

  // "<application name>.lock" in the folder above.
  [[nodiscard]] static QString defaultPath();

 private:
  QString path_;
  std::unique_ptr<QLockFile> lock_;
};
