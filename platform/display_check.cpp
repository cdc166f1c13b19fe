// SPDX-License-Identifier: MIT
#include "display_check.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace {

// The program that says it: "QX Geomancy needs a graphical display, ...".
const char* programTitle = "QX Geomancy";

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

// Messages may come from any thread (the font preload runs beside the application's start).
std::mutex heldLock;
std::vector<HeldMessage> held;
QtMessageHandler passOn = nullptr;

// The only fatal message while the application is made is the platform plug-in's.
void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s needs a graphical display, and none is available.\n", programTitle);
    std::_Exit(1);
  }
  const std::lock_guard lock(heldLock);
  held.push_back({type, QByteArray(context.category), text});
}

}  // namespace

DisplayCheck::DisplayCheck(const char* title) {
  programTitle = title;
  passOn = qInstallMessageHandler(holdOrEnd);
}

DisplayCheck::~DisplayCheck() {
  qInstallMessageHandler(passOn);
  std::vector<HeldMessage> messages;
  {
    const std::lock_guard lock(heldLock);
    messages.swap(held);
  }
  for (const HeldMessage& message : messages) {
    passOn(message.type,
           QMessageLogContext(nullptr, 0, nullptr,
                              message.category.isEmpty() ? nullptr : message.category.constData()),
           message.text);
  }
}
