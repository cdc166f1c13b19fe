// SPDX-License-Identifier: MIT
// How the program's memory grows with readings: the whole program on fake seams, read by
// keyboard as a user does (sixteen presses of Space, then Alt+B for Back) with every window
// drawn, and the heap in use and the resident size reported at reading 500 and at the last.
// Run it on a display of its own:
//   tests/e2e/run_under_xvfb.sh build/bench/qxg_reading_memory [READINGS]   (default 5000)
#include <malloc.h>

#include <QApplication>
#include <QFile>
#include <QtTest>
#include <cstdio>
#include <random>

#include "fake_platform.h"
#include "program.h"

namespace {

constexpr int kWarmUp = 500;

class EndlessRandomSource final : public geomancy::RandomSource {
 public:
  float draw() override { return static_cast<float>(engine_() >> 8) / 16777216.0f; }
  void seed(std::uint64_t) override {}

 private:
  std::mt19937 engine_{1};
};

struct Memory {
  double heapKb;
  double residentKb;
};

Memory measure() {
  (void)malloc_trim(0);
  const struct mallinfo2 heap = mallinfo2();
  double resident = -1;
  QFile status(QStringLiteral("/proc/self/status"));
  if (status.open(QIODevice::ReadOnly)) {
    for (const QByteArray& line : status.readAll().split('\n')) {
      if (line.startsWith("VmRSS:")) resident = line.mid(6).trimmed().split(' ').at(0).toDouble();
    }
  }
  return {static_cast<double>(heap.uordblks + heap.hblkhd) / 1024.0, resident};
}

bool readOnce(Program& program) {
  if (!QTest::qWaitForWindowActive(program.castingWindow())) return false;
  for (int press = 0; press < 16; ++press) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  }
  if (program.resultWindow() == nullptr || !QTest::qWaitForWindowActive(program.resultWindow())) {
    return false;
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const int readings = argc > 1 ? std::atoi(argv[1]) : 5000;
  if (readings <= kWarmUp) {
    std::fprintf(stderr, "usage: %s [READINGS above %d]\n", argv[0], kWarmUp);
    return 2;
  }
  FakePlatform platform;
  EndlessRandomSource draws;
  Program program(Seams{draws, platform.launcher, platform.messages, platform.settings,
                        platform.calendar, platform.instanceLock, platform.processEnd});
  program.startProgram();

  Memory warm{};
  for (int reading = 1; reading <= readings; ++reading) {
    if (!readOnce(program)) {
      std::fprintf(stderr, "reading %d did not come round\n", reading);
      return 1;
    }
    if (reading == kWarmUp) warm = measure();
  }
  const Memory last = measure();
  const double span = readings - kWarmUp;
  std::printf("reading %d: heap %.0f kB, resident %.0f kB\n", kWarmUp, warm.heapKb,
              warm.residentKb);
  std::printf("reading %d: heap %.0f kB, resident %.0f kB\n", readings, last.heapKb,
              last.residentKb);
  std::printf("growth per reading: heap %.3f kB, resident %.3f kB\n",
              (last.heapKb - warm.heapKb) / span, (last.residentKb - warm.residentKb) / span);
  return 0;
}
