#include "instance_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

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
  if (lock->tryLock(0)) {
    lock_ = std::move(lock);
    return false;
  }
  // A lock that cannot even be tried (no folder, no permission) does not keep the user out.
  return lock->error() == QLockFile::LockFailedError;
}

void LockFileInstanceLock::release() {
  lock_.reset();
}
