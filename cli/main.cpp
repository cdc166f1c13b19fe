#include <iostream>

#include "caster.h"

int main(int argc, char** argv) {
  return qxcast::runCaster(argc, argv, std::cout, std::cerr);
}
