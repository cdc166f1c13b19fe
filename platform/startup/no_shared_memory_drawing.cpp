// SPDX-License-Identifier: MIT
#include "no_shared_memory_drawing.h"

#include <QByteArray>
#include <QtGlobal>

namespace {

constexpr char kVariable[] = "QT_XCB_NO_MITSHM";

}  // namespace

NoSharedMemoryDrawing::NoSharedMemoryDrawing() : set_(!qEnvironmentVariableIsSet(kVariable)) {
  if (set_) qputenv(kVariable, QByteArrayLiteral("1"));
}

NoSharedMemoryDrawing::~NoSharedMemoryDrawing() {
  restoreEnvironment();
}

void NoSharedMemoryDrawing::restoreEnvironment() {
  if (set_) qunsetenv(kVariable);
  set_ = false;
}
