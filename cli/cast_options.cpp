// SPDX-License-Identifier: MIT
#include "cast_options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <vector>

#include "house_chart.h"
#include "utf8.h"

namespace qxcast {
namespace {

using geomancy::Figure;
using geomancy::kRowsPerFigure;

constexpr std::string_view kUsage =
    R"(Usage: qxgeomancy-cast [--json] [--readings N] [--seed S | --mothers A,B,C,D]
                       [--houses] [--quesited N [--querent M]] [--svg FILE]
                       [--question TEXT] [--journal FILE]
       qxgeomancy-cast --journal FILE --list
       qxgeomancy-cast --journal FILE --show N [--json] [--svg FILE]
       qxgeomancy-cast --odds [--json] [--quesited N [--querent M]]
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

// A whole number written in decimal digits only: no sign, no blanks, no exponent.
template <typename Number>
std::optional<Number> parseWholeNumber(std::string_view text, Number lowest, Number highest) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  Number value{};
  const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (fault != std::errc{} || end != text.data() + text.size() || value < lowest ||
      value > highest) {
    return std::nullopt;
  }
  return value;
}

// Characters of an argument shown in a message; the rest is left out, with a marker.
constexpr std::size_t kQuotedCharacters = 64;

// Characters that would change a terminal's line or the order in which it shows the text.
bool isControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
         (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void appendHex(std::string& out, std::string_view prefix, unsigned value, int digits) {
  static constexpr std::string_view kHex = "0123456789abcdef";
  out += prefix;
  for (int digit = digits - 1; digit >= 0; --digit) out += kHex[(value >> (4 * digit)) & 0xF];
}

void appendQuotedCharacter(std::string& out, std::string_view bytes, char32_t c) {
  switch (c) {
    case '"':
      out += "\\\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default:
      break;
  }
  if (!isControl(c)) {
    out += bytes;
  } else if (c < 0x80) {
    appendHex(out, "\\x", c, 2);
  } else {
    appendHex(out, "\\u", c, 4);
  }
}

// Control characters break the line a question stands on, so only the tab may stand in one; the
// line and paragraph separators count as controls here.
bool isQuestionControl(char32_t c) {
  return (c < 0x20 && c != '\t') || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

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

class ArgumentReader {
 public:
  explicit ArgumentReader(std::span<const std::string_view> arguments) : arguments_(arguments) {}

  ParsedArguments read() {
    while (next_ < arguments_.size() && result_.ok() && !answersAlone()) {
      readOne(arguments_[next_++]);
    }
    if (result_.ok() && !answersAlone()) checkTogether();
    return result_;
  }

 private:
  // --help and --version end the reading of arguments: whatever follows them is not looked at.
  [[nodiscard]] bool answersAlone() const {
    return result_.options.help || result_.options.version;
  }

  [[nodiscard]] bool given(std::string_view name) const {
    return std::find(seen_.begin(), seen_.end(), name) != seen_.end();
  }

  // The options that cannot go together, once all are read.
  void checkTogether() {
    const CastOptions& options = result_.options;
    if (options.mothers && options.seed) {
      return fail("--seed cannot be used with --mothers: given Mothers leave nothing to chance");
    }
    if (given("--querent") && !options.quesited) return fail("--querent needs --quesited");
    if (options.quesited && *options.quesited == options.querent) {
      return fail("--querent and --quesited name the same house, " +
                  std::to_string(options.querent));
    }
    if (options.odds) {
      for (const std::string_view other :
           {"--seed", "--mothers", "--readings", "--houses", "--svg", "--question", "--journal"}) {
        if (given(other)) {
          return fail("--odds counts over every chart and casts none: not with " +
                      std::string(other));
        }
      }
    }
    if (options.list || options.show) {
      const std::string_view command = options.list ? "--list" : "--show";
      if (options.list && options.show) return fail("--list and --show go one at a time");
      if (!options.journal) return fail(std::string(command) + " needs --journal");
      for (const std::string_view other :
           {"--readings", "--seed", "--mothers", "--houses", "--quesited", "--querent",
            "--question", "--json", "--svg"}) {
        if (given(other) && (options.list || (other != "--json" && other != "--svg"))) {
          return fail(std::string(command) + " reads the journal and casts nothing: not with " +
                      std::string(other));
        }
      }
    }
    if (options.svg && options.readings > 1) {
      return fail("--svg draws one reading, not " + std::to_string(options.readings));
    }
  }

  void readOne(std::string_view argument) {
    if (!argument.starts_with("--")) {
      return fail("unexpected argument " + quoteArgument(argument) + "; see --help");
    }
    const auto equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    std::optional<std::string_view> attached;
    if (equals != std::string_view::npos) attached = argument.substr(equals + 1);

    const auto option = std::find_if(kOptions.begin(), kOptions.end(),
                                     [name](const Option& known) { return known.name == name; });
    if (option == kOptions.end())
      return fail("unknown option " + quoteArgument(name) + "; see --help");
    if (given(name)) return fail("option " + std::string(name) + " is given more than once");
    seen_.push_back(name);

    if (option->flag != nullptr) {
      if (attached) return fail("option " + std::string(name) + " takes no value");
      result_.options.*option->flag = true;
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

  void readings(std::string_view value) {
    const auto count = parseWholeNumber<std::uint32_t>(value, 1, kMaxReadings);
    if (!count) {
      return fail("--readings needs a whole number from 1 to " + std::to_string(kMaxReadings) +
                  ", not " + quoteArgument(value));
    }
    result_.options.readings = *count;
  }

  void seed(std::string_view value) {
    const auto number =
        parseWholeNumber<std::uint64_t>(value, 0, std::numeric_limits<std::uint64_t>::max());
    if (!number) {
      return fail("--seed needs a whole number from 0 to " +
                  std::to_string(std::numeric_limits<std::uint64_t>::max()) + ", not " +
                  quoteArgument(value));
    }
    result_.options.seed = *number;
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
                      quoteArgument(digits));
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
    result_.options.mothers = figures;
  }

  void house(std::string_view name, std::string_view value, int lowest, std::optional<int>& house) {
    const auto number = parseWholeNumber<int>(value, lowest, geomancy::kHouseCount);
    if (!number) {
      return fail(std::string(name) + " needs a house from " + std::to_string(lowest) + " to " +
                  std::to_string(geomancy::kHouseCount) + ", not " + quoteArgument(value));
    }
    house = *number;
  }

  void quesited(std::string_view value) { house("--quesited", value, 2, result_.options.quesited); }

  void querent(std::string_view value) {
    std::optional<int> number;
    house("--querent", value, 1, number);
    if (number) result_.options.querent = *number;
  }

  void svg(std::string_view value) { result_.options.svg = std::string(value); }

  void question(std::string_view value) {
    if (const std::string fault = questionFault(value); !fault.empty()) {
      return fail("--question " + fault);
    }
    result_.options.question = std::string(value);
  }

  void journal(std::string_view value) { result_.options.journal = std::string(value); }

  void show(std::string_view value) {
    const auto number = parseWholeNumber<std::uint32_t>(value, 1, kMaxReadings);
    if (!number) {
      return fail("--show needs the number of a reading, 1 for the oldest, not " +
                  quoteArgument(value));
    }
    result_.options.show = *number;
  }

  void fail(std::string message) { result_.error = std::move(message); }

  struct Option {
    std::string_view name;
    bool CastOptions::*flag;                         // an option without a value sets this
    void (ArgumentReader::*read)(std::string_view);  // an option with a value reads it here
  };
  static constexpr std::array<Option, 15> kOptions{{
      {"--help", &CastOptions::help, nullptr},
      {"--version", &CastOptions::version, nullptr},
      {"--json", &CastOptions::json, nullptr},
      {"--houses", &CastOptions::houses, nullptr},
      {"--odds", &CastOptions::odds, nullptr},
      {"--readings", nullptr, &ArgumentReader::readings},
      {"--seed", nullptr, &ArgumentReader::seed},
      {"--mothers", nullptr, &ArgumentReader::mothers},
      {"--quesited", nullptr, &ArgumentReader::quesited},
      {"--querent", nullptr, &ArgumentReader::querent},
      {"--svg", nullptr, &ArgumentReader::svg},
      {"--question", nullptr, &ArgumentReader::question},
      {"--journal", nullptr, &ArgumentReader::journal},
      {"--list", &CastOptions::list, nullptr},
      {"--show", nullptr, &ArgumentReader::show},
  }};

  std::span<const std::string_view> arguments_;
  std::size_t next_ = 0;
  ParsedArguments result_;
  std::vector<std::string_view> seen_;  // the options read so far
};

}  // namespace

ParsedArguments parseArguments(std::span<const std::string_view> arguments) {
  return ArgumentReader(arguments).read();
}

std::string questionFault(std::string_view question) {
  std::size_t characters = 0;
  for (std::size_t at = 0; at < question.size(); ++characters) {
    const Utf8Sequence sequence = leadingSequence(question.substr(at));
    if (sequence.length == 0) return "is not UTF-8: " + quoteArgument(question);
    if (isQuestionControl(sequence.codePoint)) {
      std::string shown;
      appendHex(shown, sequence.codePoint < 0x80 ? "\\x" : "\\u", sequence.codePoint,
                sequence.codePoint < 0x80 ? 2 : 4);
      return "may hold tabs but no other control characters, such as " + shown;
    }
    at += sequence.length;
  }
  if (characters == 0) return "needs a text";
  if (characters > kMaxQuestionLength) {
    return "takes 1 to " + std::to_string(kMaxQuestionLength) + " characters, not " +
           std::to_string(characters);
  }
  return {};
}

std::string quoteArgument(std::string_view text) {
  std::string result(1, '"');
  std::size_t at = 0;
  for (std::size_t shown = 0; at < text.size() && shown < kQuotedCharacters; ++shown) {
    const Utf8Sequence sequence = leadingSequence(text.substr(at));
    if (sequence.length == 0) {
      appendHex(result, "\\x", static_cast<unsigned char>(text[at]), 2);
      ++at;
    } else {
      appendQuotedCharacter(result, text.substr(at, sequence.length), sequence.codePoint);
      at += sequence.length;
    }
  }
  result += '"';
  if (at < text.size()) {
    result += "... (";
    result += std::to_string(text.size());
    result += " bytes)";
  }
  return result;
}

std::string_view usageText() noexcept {
  return kUsage;
}

std::string_view versionText() noexcept {
  return "qxgeomancy-cast " QXG_VERSION "\n";
}

}  // namespace qxcast
