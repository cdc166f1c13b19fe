// SPDX-License-Identifier: MIT
// startup_bench: how fast the program's first window is there, against a bare Qt window.
//
//   startup_bench --program PATH --bare PATH [--variant PATH]... [--rounds N] [--seed S]
//                 [--settle-ms M]
//
// Run it on an X server of its own, with nothing else on it (see the README). Each round starts
// the program, the bare window and the bare window with a one-item menu bar once each, in a
// shuffled order, one at a time. For each start it takes, from the moment before the process is
// started: the time until its window is mapped, the time until its first pixels are drawn (the
// first X damage event on that window), and the process's peak resident memory, read when it is
// killed a settle time after its first pixels. It prints the medians and their ratios to the bare
// window's. Variants (other builds of the program) join the same rounds; for each it also prints
// its difference from the program, paired round by round, with a 95% interval.
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Subject {
  std::string name;
  std::vector<std::string> command;
};

struct Sample {
  double mappedMs = 0;
  double drawnMs = 0;
  double peakMiB = 0;
};

struct Options {
  std::string program;
  std::string bare;
  // Other builds of the program, measured in the same shuffled rounds: one lever at a time.
  std::vector<std::string> variants;
  int rounds = 21;
  unsigned seed = 1;
  int settleMs = 300;
};

[[noreturn]] void fail(const std::string& message) {
  std::fprintf(stderr, "startup_bench: %s\n", message.c_str());
  std::exit(1);
}

Options parse(int argc, char* argv[]) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (i + 1 >= argc) fail("missing value after " + flag);
    const std::string value = argv[++i];
    if (flag == "--program") {
      options.program = value;
    } else if (flag == "--bare") {
      options.bare = value;
    } else if (flag == "--variant") {
      options.variants.push_back(value);
    } else if (flag == "--rounds") {
      options.rounds = std::stoi(value);
    } else if (flag == "--seed") {
      options.seed = static_cast<unsigned>(std::stoul(value));
    } else if (flag == "--settle-ms") {
      options.settleMs = std::stoi(value);
    } else {
      fail("unknown option " + flag);
    }
  }
  if (options.program.empty() || options.bare.empty() || options.rounds < 1) {
    fail(
        "usage: startup_bench --program PATH --bare PATH [--variant PATH]... [--rounds N] "
        "[--seed S] [--settle-ms M]");
  }
  return options;
}

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A fresh runtime folder for each start, so that no lock is left over, on a memory file system
// as a desktop session's runtime folder is (/run/user/<uid>); a configuration folder whose
// reminder date is today, so that the program starts without a question.
class Folders {
 public:
  Folders() {
    char pattern[] = "/dev/shm/qxg-startup.XXXXXX";
    if (mkdtemp(pattern) == nullptr) fail("cannot make a folder in /dev/shm");
    root_ = pattern;
    const auto settings = root_ / "config" / "QXFreeGeomancy";
    std::filesystem::create_directories(settings);
    const std::time_t now = std::time(nullptr);
    char today[32];
    std::strftime(today, sizeof today, "%m/%d/%Y", std::localtime(&now));
    // M/d/yyyy: the month and day without leading zeros, as the program writes them.
    std::string date = today;
    if (date[3] == '0') date.erase(3, 1);
    if (date[0] == '0') date.erase(0, 1);
    std::ofstream(settings / "QXFreeGeomancy.conf") << "[Settings]\nDuration=" << date << "\n";
  }
  ~Folders() { std::filesystem::remove_all(root_); }

  [[nodiscard]] std::string config() const { return (root_ / "config").string(); }
  [[nodiscard]] std::string freshRuntime() {
    const auto folder = root_ / ("runtime-" + std::to_string(++runs_));
    std::filesystem::create_directory(folder);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    return folder.string();
  }

 private:
  std::filesystem::path root_;
  int runs_ = 0;
};

class Display {
 public:
  Display() {
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_) != 0) fail("cannot open the display");
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (damage == nullptr || damage->present == 0) fail("the X server has no DAMAGE extension");
    damageEvent_ = damage->first_event;
    std::free(xcb_damage_query_version_reply(connection_,
                                             xcb_damage_query_version(connection_, 1, 1), nullptr));
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
  }
  ~Display() { xcb_disconnect(connection_); }

  // Starts the command and follows its first window until it is mapped and drawn.
  Sample measure(const std::vector<std::string>& command, const std::vector<std::string>& env,
                 int settleMs) {
    drain();
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0) fail("fork failed");
    if (child == 0) run(command, env);

    Sample sample;
    std::vector<std::pair<xcb_window_t, xcb_damage_damage_t>> damages;
    xcb_window_t mapped = XCB_WINDOW_NONE;
    bool drawn = false;
    while (!drawn) {
      if (msSince(start) > 30000) {
        kill(child, SIGKILL);
        fail("no window drawn within 30 s: " + command.front());
      }
      xcb_generic_event_t* event = next(100);
      if (event == nullptr) continue;
      const std::uint8_t type = event->response_type & 0x7f;
      if (type == XCB_CREATE_NOTIFY) {
        const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
        if (created->parent == root_) {
          const xcb_damage_damage_t damage = xcb_generate_id(connection_);
          xcb_damage_create(connection_, damage, created->window,
                            XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
          xcb_flush(connection_);
          damages.emplace_back(created->window, damage);
        }
      } else if (type == XCB_MAP_NOTIFY) {
        const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
        if (mapped == XCB_WINDOW_NONE && map->event == root_ && map->override_redirect == 0) {
          mapped = map->window;
          sample.mappedMs = msSince(start);
        }
      } else if (type == damageEvent_ + XCB_DAMAGE_NOTIFY) {
        const auto* notify = reinterpret_cast<xcb_damage_notify_event_t*>(event);
        if (mapped != XCB_WINDOW_NONE && notify->drawable == mapped) {
          sample.drawnMs = msSince(start);
          drawn = true;
        }
      }
      std::free(event);
    }
    usleep(static_cast<useconds_t>(settleMs) * 1000);
    kill(child, SIGKILL);
    rusage usage{};
    int status = 0;
    wait4(child, &status, 0, &usage);
    sample.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    for (const auto& [window, damage] : damages) xcb_damage_destroy(connection_, damage);
    xcb_flush(connection_);
    return sample;
  }

 private:
  [[noreturn]] static void run(const std::vector<std::string>& command,
                               const std::vector<std::string>& env) {
    for (const std::string& entry : env) putenv(const_cast<char*>(entry.c_str()));
    std::vector<char*> arguments;
    for (const std::string& part : command) arguments.push_back(const_cast<char*>(part.c_str()));
    arguments.push_back(nullptr);
    execv(arguments[0], arguments.data());
    _exit(127);
  }

  xcb_generic_event_t* next(int timeoutMs) {
    if (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) return event;
    pollfd descriptor{xcb_get_file_descriptor(connection_), POLLIN, 0};
    poll(&descriptor, 1, timeoutMs);
    return xcb_poll_for_event(connection_);
  }

  // Events left from the previous start (its windows' destruction) are of no interest: a round
  // trip to the server brings them all in, and they are dropped.
  void drain() {
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) std::free(event);
  }

  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = XCB_WINDOW_NONE;
  std::uint8_t damageEvent_ = 0;
};

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A variant against the program: the median of their differences round by round, and a 95%
// bootstrap interval around it. Each round starts both, so a drift of the machine between
// rounds falls out of the differences; a lever is real when its interval leaves out zero.
struct Difference {
  double median = 0;
  double low = 0;
  double high = 0;
};

Difference pairedDifference(const std::vector<double>& variant, const std::vector<double>& program,
                            std::mt19937& random) {
  std::vector<double> differences(variant.size());
  for (std::size_t i = 0; i < variant.size(); ++i) differences[i] = variant[i] - program[i];
  constexpr int kResamples = 2000;
  std::uniform_int_distribution<std::size_t> pick(0, differences.size() - 1);
  std::vector<double> resample(differences.size());
  std::vector<double> medians;
  medians.reserve(kResamples);
  for (int i = 0; i < kResamples; ++i) {
    for (double& value : resample) value = differences[pick(random)];
    medians.push_back(median(resample));
  }
  std::sort(medians.begin(), medians.end());
  return {median(differences), medians[kResamples / 40], medians[kResamples - 1 - kResamples / 40]};
}

}  // namespace

int main(int argc, char* argv[]) {
  const Options options = parse(argc, argv);
  std::vector<Subject> subjects{
      Subject{"bare window", {options.bare}},
      Subject{"bare window with a menu bar", {options.bare, "--menu"}},
      Subject{std::filesystem::path(options.program).filename().string(), {options.program}},
  };
  // Variants are named by their number and their path as given: most are other builds of the
  // same program, with the same file name, in other folders.
  for (std::size_t i = 0; i < options.variants.size(); ++i) {
    const std::string& variant = options.variants[i];
    std::string name = "v";
    name.append(std::to_string(i + 1)).append(" ").append(variant);
    subjects.push_back(Subject{name, {variant}});
  }
  Folders folders;
  Display display;
  std::mt19937 shuffler(options.seed);
  std::vector<std::vector<Sample>> samples(subjects.size());
  std::vector<std::size_t> order(subjects.size());
  std::iota(order.begin(), order.end(), std::size_t{0});

  // One round to warm the caches, not counted.
  for (int round = 0; round <= options.rounds; ++round) {
    std::shuffle(order.begin(), order.end(), shuffler);
    for (const std::size_t which : order) {
      const std::vector<std::string> env{"XDG_RUNTIME_DIR=" + folders.freshRuntime(),
                                         "XDG_CONFIG_HOME=" + folders.config(),
                                         "LC_ALL=en_US.UTF-8", "QT_QPA_PLATFORM=xcb"};
      const Sample sample = display.measure(subjects[which].command, env, options.settleMs);
      if (round > 0) samples[which].push_back(sample);
    }
  }

  std::printf("%d rounds (seed %u), medians; ratios to the bare window\n\n", options.rounds,
              options.seed);
  std::printf("%-44s %10s %7s %10s %7s %10s %7s\n", "", "mapped ms", "ratio", "drawn ms", "ratio",
              "peak MiB", "ratio");
  std::vector<Sample> medians(subjects.size());
  for (std::size_t i = 0; i < subjects.size(); ++i) {
    std::vector<double> mapped, drawn, peak;
    for (const Sample& s : samples[i]) {
      mapped.push_back(s.mappedMs);
      drawn.push_back(s.drawnMs);
      peak.push_back(s.peakMiB);
    }
    medians[i] = Sample{median(mapped), median(drawn), median(peak)};
  }
  for (std::size_t i = 0; i < subjects.size(); ++i) {
    const Sample& m = medians[i];
    const Sample& bare = medians[0];
    std::printf("%-44.44s %10.1f %7.2f %10.1f %7.2f %10.1f %7.2f\n", subjects[i].name.c_str(),
                m.mappedMs, m.mappedMs / bare.mappedMs, m.drawnMs, m.drawnMs / bare.drawnMs,
                m.peakMiB, m.peakMiB / bare.peakMiB);
  }

  const std::size_t programIndex = 2;
  if (subjects.size() > programIndex + 1) {
    std::printf("\nEach variant less the program, round by round: median [95%% interval]\n\n");
    std::printf("%-44s %24s %24s %24s\n", "", "mapped ms", "drawn ms", "peak MiB");
    std::mt19937 random(options.seed);
    const auto column = [&](std::size_t which, double Sample::*field) {
      std::vector<double> variant, program;
      for (std::size_t r = 0; r < samples[which].size(); ++r) {
        variant.push_back(samples[which][r].*field);
        program.push_back(samples[programIndex][r].*field);
      }
      const Difference d = pairedDifference(variant, program, random);
      char text[64];
      std::snprintf(text, sizeof text, "%+.2f [%+.2f, %+.2f]", d.median, d.low, d.high);
      return std::string(text);
    };
    for (std::size_t i = programIndex + 1; i < subjects.size(); ++i) {
      std::printf("%-44.44s %24s %24s %24s\n", subjects[i].name.c_str(),
                  column(i, &Sample::mappedMs).c_str(), column(i, &Sample::drawnMs).c_str(),
                  column(i, &Sample::peakMiB).c_str());
    }
  }
  return 0;
}
