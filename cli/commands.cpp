// SPDX-License-Identifier: MIT
#include "commands.h"

#include <ostream>

#include "exact_odds.h"
#include "file_by_name.h"
#include "odds_output.h"

namespace qxcast {

int writeAll(std::ostream& out, std::string_view text, Messages& messages) {
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return out.flush() ? kExitSuccess : messages.outputFailed();
}

int writePicture(const std::string& path, const geomancy::ChartAnalysis& analysis,
                 const formats::ChartHeading& heading, Messages& messages) {
  const std::error_code error = files::writeFileByName(path, formats::chartSvg(analysis, heading));
  return error ? messages.pictureFailed(path, error) : kExitSuccess;
}

int countOdds(const OddsCommand& command, std::ostream& out, Messages& messages) {
  const geomancy::ExactOdds odds =
      command.question
          ? geomancy::exactOdds(command.question->querent, command.question->quesited, command.order)
          : geomancy::exactOdds(command.order);
  return writeAll(out, command.json ? formats::oddsJson(odds) : formats::oddsPlain(odds), messages);
}

}  // namespace qxcast
