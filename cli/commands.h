// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "arguments.h"
#include "chart_svg.h"
#include "messages.h"

// The caster's commands, one function each: it writes to `out`, says what went wrong through
// `messages`, and returns the exit status.
namespace qxcast {

int castReadings(const CastCommand& command, std::ostream& out, Messages& messages);
int countOdds(const OddsCommand& command, std::ostream& out, Messages& messages);
int listJournal(const ListCommand& command, std::ostream& out, Messages& messages);
int showReading(const ShowCommand& command, std::ostream& out, Messages& messages);

// What the commands share: the whole text written and flushed, and the reading's picture written
// to the file a user named.
int writeAll(std::ostream& out, std::string_view text, Messages& messages);
int writePicture(const std::string& path, const geomancy::ChartAnalysis& analysis,
                 const formats::ChartHeading& heading, Messages& messages);

}  // namespace qxcast
