// SPDX-License-Identifier: MIT
#include "arguments.h"

#include <algorithm>
#include <array>
#include <vector>

#include "house_chart.h"
#include "user_text.h"
#include "whole_number.h"

namespace qxcast {
namespace {

using formats::parseWholeNumber;
using formats::quotedForMessage;
using geomancy::Figure;
using geomancy::kRowsPerFigure;

constexpr std::string_view kUsage =
    R"(Usage: qxgeomancy-cast [--json] [--readings N] [--seed S | --mothers A,B,C,D]
                       [--houses] [--quesited N [--querent M]] [--topic T]
                       [--order O] [--reading] [--svg FILE] [--question TEXT]
                       [--journal FILE]
       qxgeomancy-cast --journal FILE --list
       qxgeomancy-cast --journal FILE --show N [--json] [--svg FILE]
       qxgeomancy-cast --odds [--json] [--quesited N [--querent M]] [--order O]
       qxgeomancy-cast --help | --version

Casts geomantic readings: the Shield chart of fifteen figures (four Mothers, four
Daughters, four Nieces, two Witnesses and the Judge), the Reconciler (the Judge
added to Mother 1), and the name and meaning of the Judge.

Options:
  --json             one JSON object per reading, one reading per line
  --readings N       N readings, 1 to 4294967295 (default 1)
  --seed S           seed the random source with S, 0 to 18446744073709551615,
                     to repeat a run exactly; without it the clock seeds it
  --mothers A,B,C,D  use these four Mothers instead of casting them: each is
                     four digits of 1 (one point) and 2 (two points), top row
                     first, as in 1122,2111,1221,2221; with --readings N the
                     same chart is shown N times; not together with --seed
  --houses           the twelve houses and the court, the Index (Part of
                     Fortune), the Way of the Point and the company of houses
                     of each reading, and a warning when the chart is halted
  --quesited N       the modes of perfection (occupation, conjunction,
                     mutation, translation) between the querent's house and
                     house N, 2 to 12, the aspects between their figures, the
                     company they keep, and the denial when none perfects
  --querent M        the querent's house, 1 to 12 (default 1); only with
                     --quesited, and not the same house
  --topic T          what the question is about, one of the ten heads of the
                     handbook's tables: life, money, rank, property, marriage,
                     child, sickness, prison, journey, lost; without --quesited
                     it sets the quesited's house: money and lost 2, property
                     4, child 5, sickness 6, marriage 7, journey 9, rank 10,
                     prison 12; life reads the querent's own house 1, with no
                     perfection
  --order O          how the figures stand in the houses: traditional (figure
                     n in house n, the default) or golden-dawn (figures I to
                     XII in houses 10, 1, 4, 7, 11, 2, 5, 8, 12, 3, 6, 9, as
                     the handbook Liber Gaias places them)
  --reading          the reading in words, by the method of judging of Liber
                     Gaias (The Equinox I:2, 1909): its testimonies with their
                     sources, their balance, the Witnesses' answers under the
                     ten heads and each house's meaning; it judges the house
                     of --quesited or --topic
  --odds             cast nothing: count over all 65536 sets of Mothers how
                     often each figure is the Judge, each house holds the
                     Index and, with --quesited, each mode of perfection occurs
  --svg FILE         also draw the reading as an SVG picture into FILE (one
                     reading only); with --houses or --quesited, the house
                     chart beside it, with its marks and lines
  --question TEXT    what the reading asks, 1 to 1000 characters (tabs, but no
                     other control characters), shown above the chart; one that
                     begins with "--" is given as --question=TEXT
  --journal FILE     also add every reading, with its question, the time it was
                     cast and the options that shaped it, to FILE as one JSON
                     line; not with --odds
  --list             with --journal: list its readings, one a line: number (1
                     the oldest), date and time (UTC), Judge and question
  --show N           with --journal: draw reading N again as it was cast; with
                     --json its journal line, with --svg its picture too
  --version          show the program's name and version and exit
  --help             show this text and exit

A value may also follow its option after "=", as in --readings=10; each option
may be given once.
A journal line that cannot be read is reported with its line number and skipped.
Exit status: 0 on success, 1 if the output, the picture or the journal cannot be
written or read, 2 for bad arguments; stopped by SIGINT (Ctrl+C) or SIGTERM, it
ends after the reading it is writing, with status 130 or 143.
)";

// "1122" as the figure (1,1,2,2); nothing for anything but four digits of 1 and 2.
std::optional<Figure> parseFigure(std::string_view digits) {
  if (digits.size() != kRowsPerFigure) return std::nullopt;
  Figure figure{};
  for (int row = 0; row < kRowsPerFigure; ++row) {
    const char digit = digits[row];
    if (digit != '1' && digit != '2') return std::nullopt;
    figure[row] = static_cast<geomancy::RowValue>(digit - '0');
  }
  return figure;
}

// The commands an option goes with, as bits.
enum CommandBits : unsigned {
  kCast = 1,
  kOdds = 2,
  kList = 4,
  kShow = 8,
  kAlone = 16,  // --help and --version, which end the reading of arguments
};

// Every option as it was read, before the command it asks for is known.
struct GivenOptions {
  bool help = false;
  bool version = false;
  bool json = false;
  bool houses = false;
  bool odds = false;
  bool list = false;
  bool reading = false;
  std::optional<std::uint32_t> readings;
  std::optional<std::uint64_t> seed;
  std::optional<Mothers> mothers;
  std::optional<int> quesited;
  std::optional<int> querent;
  std::optional<geomancy::Topic> topic;
  std::optional<geomancy::HouseOrder> order;
  std::optional<std::string> svg;
  std::optional<std::string> question;
  std::optional<std::string> journal;
  std::optional<std::uint32_t> show;
};

class ArgumentReader {
 public:
  explicit ArgumentReader(std::span<const std::string_view> arguments) : arguments_(arguments) {}

  ParsedArguments read() {
    while (next_ < arguments_.size() && ok() && !given_.help && !given_.version) {
      readOne(arguments_[next_++]);
    }
    ParsedArguments result;
    if (ok()) result.command = command();
    result.error = std::move(error_);
    return result;
  }

 private:
  [[nodiscard]] bool ok() const { return error_.empty(); }

  void readOne(std::string_view argument) {
    if (!argument.starts_with("--")) {
      return fail("unexpected argument " + quotedForMessage(argument) + "; see --help");
    }
    const auto equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    std::optional<std::string_view> attached;
    if (equals != std::string_view::npos) attached = argument.substr(equals + 1);

    const auto option = std::find_if(kOptions.begin(), kOptions.end(),
                                     [name](const Option& known) { return known.name == name; });
    if (option == kOptions.end()) {
      return fail("unknown option " + quotedForMessage(name) + "; see --help");
    }
    if (std::find(seen_.begin(), seen_.end(), &*option) != seen_.end()) {
      return fail("option " + std::string(name) + " is given more than once");
    }
    seen_.push_back(&*option);

    if (option->flag != nullptr) {
      if (attached) return fail("option " + std::string(name) + " takes no value");
      given_.*option->flag = true;
      return;
    }
    std::string_view value;
    if (attached) {
      value = *attached;
    } else if (next_ < arguments_.size() && !arguments_[next_].starts_with("--")) {
      value = arguments_[next_++];
    }
    if (value.empty()) return fail("option " + std::string(name) + " needs a value");
    (this->*option->read)(value);
  }

  // The command the options ask for, once every option goes with it.
  Command command() {
    if (given_.help) return HelpCommand{};
    if (given_.version) return VersionCommand{};
    const Option* chosen = nullptr;
    for (const Option* option : seen_) {
      if ((option->goesWith & kCast) != 0) continue;
      if (chosen != nullptr) {
        fail(std::string(chosen->name) + " and " + std::string(option->name) +
             " go one at a time");
        return {};
      }
      chosen = option;
    }
    const unsigned bit = chosen == nullptr ? kCast : chosen->goesWith;
    for (const Option* option : seen_) {
      if ((option->goesWith & bit) == 0) {
        fail(bit == kOdds ? "--odds counts over every chart and casts none: not with " +
                                std::string(option->name)
                          : std::string(chosen->name) +
                                " reads the journal and casts nothing: not with " +
                                std::string(option->name));
        return {};
      }
    }
    if (given_.querent && !given_.quesited) fail("--querent needs --quesited");
    if (given_.quesited && *given_.quesited == given_.querent.value_or(1)) {
      fail("--querent and --quesited name the same house, " +
           std::to_string(given_.querent.value_or(1)));
    }
    if ((bit == kList || bit == kShow) && !given_.journal) {
      fail(std::string(chosen->name) + " needs --journal");
    }
    if (!ok()) return {};
    switch (bit) {
      case kOdds:
        return OddsCommand{given_.json, questionHouses(),
                           given_.order.value_or(geomancy::HouseOrder::Traditional)};
      case kList:
        return ListCommand{*given_.journal};
      case kShow:
        return ShowCommand{*given_.journal, *given_.show, given_.json, given_.svg};
      default:
        return castCommand();
    }
  }

  // The quesited's house as given or, failing that, the topic's, but for life: the querent's own.
  std::optional<geomancy::QuestionHouses> questionHouses() const {
    if (given_.quesited) {
      return geomancy::QuestionHouses{given_.querent.value_or(1), *given_.quesited};
    }
    if (given_.topic && *given_.topic != geomancy::Topic::Life) {
      return geomancy::QuestionHouses{1, geomancy::usualHouse(*given_.topic)};
    }
    return std::nullopt;
  }

  Command castCommand() {
    if (given_.mothers && given_.seed) {
      fail("--seed cannot be used with --mothers: given Mothers leave nothing to chance");
    } else if (given_.svg && given_.readings.value_or(1) > 1) {
      fail("--svg draws one reading, not " + std::to_string(*given_.readings));
    }
    CastCommand cast;
    cast.json = given_.json;
    cast.readings = given_.readings.value_or(1);
    cast.seed = given_.seed;
    cast.mothers = given_.mothers;
    cast.request = {.houses = given_.houses,
                    .question = questionHouses(),
                    .order = given_.order.value_or(geomancy::HouseOrder::Traditional),
                    .topic = given_.topic,
                    .reading = given_.reading};
    cast.question = given_.question.value_or("");
    cast.svg = given_.svg;
    cast.journal = given_.journal;
    return cast;
  }

  void readings(std::string_view value) {
    given_.readings = parseWholeNumber<std::uint32_t>(value, 1, kMaxReadings);
    if (!given_.readings) {
      fail("--readings needs a whole number from 1 to " + std::to_string(kMaxReadings) +
           ", not " + quotedForMessage(value));
    }
  }

  void seed(std::string_view value) {
    constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();
    given_.seed = parseWholeNumber<std::uint64_t>(value, 0, kMost);
    if (!given_.seed) {
      fail("--seed needs a whole number from 0 to " + std::to_string(kMost) + ", not " +
           quotedForMessage(value));
    }
  }

  void mothers(std::string_view value) {
    Mothers figures{};
    std::size_t count = 0;
    std::size_t start = 0;
    while (true) {
      const auto comma = value.find(',', start);
      const std::string_view digits = value.substr(start, comma - start);
      if (count < figures.size()) {
        const auto figure = parseFigure(digits);
        if (!figure) {
          return fail("a Mother is four digits of 1 and 2, top row first (such as 1122), not " +
                      quotedForMessage(digits));
        }
        figures[count] = *figure;
      }
      ++count;
      if (comma == std::string_view::npos) break;
      start = comma + 1;
    }
    if (count != figures.size()) {
      return fail("--mothers needs exactly four Mothers separated by commas, not " +
                  std::to_string(count));
    }
    given_.mothers = figures;
  }

  void house(std::string_view name, std::string_view value, int lowest, std::optional<int>& house) {
    house = parseWholeNumber<int>(value, lowest, geomancy::kHouseCount);
    if (!house) {
      fail(std::string(name) + " needs a house from " + std::to_string(lowest) + " to " +
           std::to_string(geomancy::kHouseCount) + ", not " + quotedForMessage(value));
    }
  }

  void quesited(std::string_view value) { house("--quesited", value, 2, given_.quesited); }
  void querent(std::string_view value) { house("--querent", value, 1, given_.querent); }
  void topic(std::string_view value) {
    given_.topic = geomancy::topicNamed(value);
    if (!given_.topic) {
      std::string names;
      for (int topic = 0; topic < geomancy::kTopicCount; ++topic) {
        names += topic == 0 ? "" : topic + 1 == geomancy::kTopicCount ? " or " : ", ";
        names += geomancy::topicName(static_cast<geomancy::Topic>(topic));
      }
      fail("--topic needs " + names + ", not " + quotedForMessage(value));
    }
  }

  void order(std::string_view value) {
    given_.order = geomancy::orderNamed(value);
    if (!given_.order) {
      fail("--order needs traditional or golden-dawn, not " + quotedForMessage(value));
    }
  }

  void svg(std::string_view value) { given_.svg = std::string(value); }
  void journal(std::string_view value) { given_.journal = std::string(value); }

  void question(std::string_view value) {
    if (const std::string fault = formats::questionFault(value); !fault.empty()) {
      return fail("--question " + fault);
    }
    given_.question = std::string(value);
  }

  void show(std::string_view value) {
    given_.show = parseWholeNumber<std::uint32_t>(value, 1, kMaxReadings);
    if (!given_.show) {
      fail("--show needs the number of a reading, 1 for the oldest, not " +
           quotedForMessage(value));
    }
  }

  void fail(std::string message) {
    if (ok()) error_ = std::move(message);
  }

  struct Option {
    std::string_view name;
    unsigned goesWith;                               // CommandBits
    bool GivenOptions::*flag;                        // an option without a value sets this
    void (ArgumentReader::*read)(std::string_view);  // an option with a value reads it here
  };
  static constexpr std::array<Option, 18> kOptions{{
      {"--help", kAlone, &GivenOptions::help, nullptr},
      {"--version", kAlone, &GivenOptions::version, nullptr},
      {"--json", kCast | kOdds | kShow, &GivenOptions::json, nullptr},
      {"--readings", kCast, nullptr, &ArgumentReader::readings},
      {"--seed", kCast, nullptr, &ArgumentReader::seed},
      {"--mothers", kCast, nullptr, &ArgumentReader::mothers},
      {"--houses", kCast, &GivenOptions::houses, nullptr},
      {"--quesited", kCast | kOdds, nullptr, &ArgumentReader::quesited},
      {"--querent", kCast | kOdds, nullptr, &ArgumentReader::querent},
      {"--topic", kCast, nullptr, &ArgumentReader::topic},
      {"--order", kCast | kOdds, nullptr, &ArgumentReader::order},
      {"--reading", kCast, &GivenOptions::reading, nullptr},
      {"--svg", kCast | kShow, nullptr, &ArgumentReader::svg},
      {"--question", kCast, nullptr, &ArgumentReader::question},
      {"--journal", kCast | kList | kShow, nullptr, &ArgumentReader::journal},
      {"--odds", kOdds, &GivenOptions::odds, nullptr},
      {"--list", kList, &GivenOptions::list, nullptr},
      {"--show", kShow, nullptr, &ArgumentReader::show},
  }};

  std::span<const std::string_view> arguments_;
  std::size_t next_ = 0;
  GivenOptions given_;
  std::vector<const Option*> seen_;  // in the order given
  std::string error_;
};

}  // namespace

ParsedArguments parseArguments(std::span<const std::string_view> arguments) {
  return ArgumentReader(arguments).read();
}

std::string_view usageText() noexcept {
  return kUsage;
}

std::string_view versionText() noexcept {
  return "qxgeomancy-cast " QXG_VERSION "\n";
}

}  // namespace qxcast
