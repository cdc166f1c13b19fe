// SPDX-License-Identifier: MIT
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "catalogue.h"
#include "chart_text.h"
#include "commands.h"
#include "file_by_name.h"
#include "journal.h"
#include "judgement.h"
#include "reading_json.h"

namespace qxcast {
namespace {

// Calls visit(entry) for each reading the journal holds, oldest first. Damaged lines are reported
// as they come. Returns the exit status if the journal cannot be read.
template <typename Visit>
std::optional<int> readReadings(const std::string& path, Visit visit, Messages& messages) {
  if (files::isFolder(path)) return messages.journalIsAFolder(path);
  const auto damaged = [&messages](std::uint64_t line, std::string_view why) {
    messages.lineSkipped(line, why);
  };
  const std::error_code error = journal::readEntries(path, visit, damaged);
  if (error) return messages.journalFailed("read", path, error);
  return std::nullopt;
}

}  // namespace

// One line a reading: its number, when it was cast, its Judge and its question.
int listJournal(const ListCommand& command, std::ostream& out, Messages& messages) {
  struct Listed {
    formats::CastTime castAt;
    std::string judge;
    std::string question;
  };
  std::vector<Listed> listed;
  const auto keep = [&listed](const journal::Entry& entry) {
    const geomancy::Reading reading = geomancy::readingOf(geomancy::shieldMasks(entry.mothers));
    listed.push_back(Listed{entry.castAt, std::string(geomancy::entryForMask(reading.judge()).latinName), entry.question});
  };
  if (const auto failed = readReadings(command.journal, keep, messages)) return *failed;
  const std::size_t numberWidth = std::to_string(listed.size()).size();
  std::size_t nameWidth = 0;
  for (const geomancy::CatalogueEntry& entry : geomancy::catalogue()) {
    nameWidth = std::max(nameWidth, entry.latinName.size());
  }
  std::string text;
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const std::string number = std::to_string(i + 1);
    text.append(numberWidth - number.size(), ' ').append(number).append("  ");
    text.append(listed[i].castAt.dateAndTime()).append("  ").append(listed[i].judge);
    if (!listed[i].question.empty()) {
      text.append(nameWidth + 2 - listed[i].judge.size(), ' ').append(listed[i].question);
    }
    text += '\n';
  }
  return writeAll(out, text, messages);
}

// Reading N drawn again from its Mothers and the options it was cast with, as it was then.
int showReading(const ShowCommand& command, std::ostream& out, Messages& messages) {
  // Only the reading shown is kept: a journal may hold millions.
  std::uint64_t count = 0;
  journal::Entry entry;
  const auto keep = [&](const journal::Entry& read) {
    if (++count == command.number) entry = read;
  };
  if (const auto failed = readReadings(command.journal, keep, messages)) return *failed;
  if (command.number > count) return messages.noSuchReading(command.number, count);
  const geomancy::ChartAnalysis analysis = journal::analysisOf(entry);
  handbook::Judgement judgement;
  if (entry.request.reading) handbook::judge(analysis, judgement);
  const handbook::Judgement* judged = entry.request.reading ? &judgement : nullptr;
  std::string text;
  if (command.json) {
    formats::TextBuffer line;
    const formats::JournalKeys keys{entry.castAt, entry.request, entry.byHand};
    formats::appendJsonLine(line, analysis, entry.question, &keys, judged);
    text = line.view();
  } else {
    formats::appendPlain(text, analysis, entry.question, judged);
  }
  const int status = writeAll(out, text, messages);
  if (status != kExitSuccess || !command.svg) return status;
  return writePicture(*command.svg, analysis, {entry.question, entry.castAt}, messages);
}

}  // namespace qxcast
