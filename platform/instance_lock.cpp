// SPDX-License-Identifier: MIT
#include "instance_lock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace {

// How long a lock file that cannot be read may take to be written: a starting instance makes the
// file and writes it at once, so this is a generous bound.
constexpr int kWritingMs = 100;
// Taking a spoilt lock over may be overtaken by another instance; after this many tries the
// program runs without the lock.
constexpr int kAttempts = 3;

enum class Holder { RunningInstance, None };

// Who holds a lock file that Qt would not take over. Qt takes over a readable lock of a process
// that has gone or that is another program; one it keeps names a running instance. A lock file
// that cannot be read (empty, random bytes) names nobody, once a starting instance has had the
// moment it needs to write its own.
Holder holderOf(const QLockFile& lock) {
  const QDeadlineTimer deadline(kWritingMs);
  qint64 pid = 0;
  QString host;
  QString application;
  while (!lock.getLockInfo(&pid, &host, &application)) {
    if (deadline.hasExpired()) return Holder::None;
    QThread::msleep(5);
  }
  return Holder::RunningInstance;
}

}  // namespace

LockFileInstanceLock::LockFileInstanceLock() : LockFileInstanceLock(defaultPath()) {}

LockFileInstanceLock::LockFileInstanceLock(QString path) : path_(std::move(path)) {}

LockFileInstanceLock::~LockFileInstanceLock() = default;

QString LockFileInstanceLock::defaultPath() {
#if defined(Q_OS_LINUX)
  const auto folder = QStandardPaths::RuntimeLocation;
#else
  const auto folder = QStandardPaths::AppLocalDataLocation;
#endif
  return QStandardPaths::writableLocation(folder) + QLatin1Char('/') +
         QCoreApplication::applicationName() + QStringLiteral(".lock");
}

bool LockFileInstanceLock::anotherInstanceRunning() {
  if (lock_) return false;
  (void)QDir().mkpath(QFileInfo(path_).absolutePath());
  auto lock = std::make_unique<QLockFile>(path_);
  // Age alone never makes a lock stale: the instance holding it may run for days. A lock whose
  // process has gone is still recognised and taken over.
  lock->setStaleLockTime(0);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    if (lock->tryLock(0)) {
      lock_ = std::move(lock);
      return false;
    }
    // A lock that cannot be made at all (no folder, no permission, a folder in its place) does
    // not keep the user out.
    if (lock->error() != QLockFile::LockFailedError || !QFileInfo(path_).isFile()) return false;
    if (holderOf(*lock) == Holder::RunningInstance) return true;
    // Removes the file unless a live instance has it open and locked.
    (void)lock->removeStaleLockFile();
  }
  return false;
}

void LockFileInstanceLock::release() {
  lock_.reset();
}
