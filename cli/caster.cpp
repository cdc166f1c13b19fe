// SPDX-License-Identifier: MIT
#include "caster.h"

#include <variant>
#include <vector>

#include "arguments.h"
#include "commands.h"

namespace qxcast {
namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};

}  // namespace

int runCaster(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
  Messages messages(err);
  const ParsedArguments parsed = parseArguments(arguments);
  if (!parsed.ok()) return messages.badArguments(parsed.error);
  return std::visit(
      Overloaded{
          [&](const HelpCommand&) { return writeAll(out, usageText(), messages); },
          [&](const VersionCommand&) { return writeAll(out, versionText(), messages); },
          [&](const CastCommand& cast) { return castReadings(cast, out, messages); },
          [&](const OddsCommand& odds) { return countOdds(odds, out, messages); },
          [&](const ListCommand& list) { return listJournal(list, out, messages); },
          [&](const ShowCommand& show) { return showReading(show, out, messages); },
      },
      parsed.command);
}

int runCaster(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  return runCaster(arguments, out, err);
}

}  // namespace qxcast
