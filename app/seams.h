#pragma once

namespace geomancy {
class RandomSource;
}
namespace links {
class LinkLauncher;
}

// Every contact of the program with its platform, each behind a small interface: the program
// runs on the real ones, tests on fakes.
struct Seams {
  geomancy::RandomSource& random;
  links::LinkLauncher& launcher;
};
