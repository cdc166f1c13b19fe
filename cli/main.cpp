// SPDX-License-Identifier: MIT
#include <iostream>

#include "caster.h"
#include "interruption.h"

int main(int argc, char** argv) {
  qxcast::catchInterruptions();
  return qxcast::runCaster(argc, argv, std::cout, std::cerr);
}
