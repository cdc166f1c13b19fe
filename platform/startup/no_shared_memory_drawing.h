// SPDX-License-Identifier: MIT
#pragma once

// Keeps the program's X11 windows from being drawn through memory shared with the X server
// (MIT-SHM): Qt then sends their pixels over the connection itself.
//
// With MIT-SHM 1.2, Qt asks the server for each new window or menu surface and receives it as a
// file descriptor passed beside the reply. The server passes a descriptor with the first bytes of
// the write that carries the reply, and that write may begin with kilobytes of events queued
// ahead of it: typing fast queues several for every key. When libxcb's 4 KiB read of those events
// ends on an event boundary with the reply still unread, libxcb (1.15) takes the descriptor for
// one it never asked for, closes it and breaks the connection ("Error during FD passing"), and
// the program ends. The program's windows are small and seldom redrawn.
//
// Qt reads the choice (the environment variable QT_XCB_NO_MITSHM) once, as the application
// connects to the display. A choice the environment already makes is left as it is.
class NoSharedMemoryDrawing {
 public:
  // Make it before the application, and before any other thread starts.
  NoSharedMemoryDrawing();
  ~NoSharedMemoryDrawing();
  NoSharedMemoryDrawing(const NoSharedMemoryDrawing&) = delete;
  NoSharedMemoryDrawing& operator=(const NoSharedMemoryDrawing&) = delete;

  // The application has connected: the environment is as before, so that the programs this one
  // starts (the browser) choose for themselves. Call it when no other thread is running.
  void restoreEnvironment();

 private:
  bool set_ = false;
};
