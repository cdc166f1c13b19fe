// SPDX-License-Identifier: MIT
#include "judgement_json.h"

#include <string>

#include "catalogue.h"
#include "house_meanings.h"
#include "json_pieces.h"
#include "json_writer.h"
#include "witness_tables.h"

namespace formats {
namespace {

using geomancy::FigureMask;
using geomancy::kHouseCount;
using geomancy::kMaskCount;
using geomancy::kTopicCount;
using json_pieces::Cursor;
using json_pieces::Slot;
using json_pieces::slotOf;

constexpr std::size_t kSlack = 32;  // of the judgement's pieces, copied in blocks this size
static_assert(kSlack <= handbook::kPieceSlack);
constexpr int kMostLeaning = static_cast<int>(handbook::kMostTestimonies);
constexpr int kFirstPage = handbook::kFirstPage;
constexpr int kPages = handbook::kLastPage - kFirstPage + 1;

// Each piece with the comma before it when it is not the first of its list: [0] first, [1] not.
template <std::size_t N>
using Listed = std::array<Slot<N>, 2>;

std::string text(const TextBuffer& buffer) {
  return std::string(buffer.view());
}

// The piece with a comma before it, for a place in a list after the first.
std::string afterComma(std::string_view piece) {
  std::string out(",");
  out += piece;
  return out;
}

std::string meaningJson(int house, FigureMask figure) {
  const handbook::HouseMeaning& meaning = handbook::meaningIn(figure, house);
  TextBuffer out;
  JsonWriter json(out);
  json.beginObject().key("house").value(house);
  json.key("figure").value(geomancy::entryForMask(figure).key);
  json.key("verdict").value(handbook::verdictName(meaning.verdict));
  json.key("matters").beginArray();
  for (const handbook::NamedMatter& named : meaning) {
    json.beginObject().key("matter").value(handbook::matterName(named.matter));
    json.key("naming").value(handbook::namingName(named.naming));
    json.key("verdict").value(handbook::verdictName(named.verdict)).endObject();
  }
  json.endArray().key("says").value(meaning.says).endObject();
  return text(out);
}

std::string headsJson(const handbook::WitnessColumn& column) {
  TextBuffer out;
  JsonWriter json(out);
  json.beginObject();
  for (int topic = 0; topic < kTopicCount; ++topic) {
    json.key(geomancy::topicName(static_cast<geomancy::Topic>(topic)))
        .value(column.heads[static_cast<std::size_t>(topic)].printed);
  }
  json.endObject();
  return text(out);
}

// Everything of the reading that can take only a few values, worked out once.
struct Pieces {
  handbook::PaddedTexts texts;  // the longer pieces below
  // By (house - 1) * 16 + figure, with a comma before all but house 1's.
  std::array<std::string_view, kHouseCount * kMaskCount> meanings;
  // By topic (kTopicCount for none), house (0 for none), order and fitness.
  std::array<
      std::array<std::array<std::array<Slot<128>, 2>, geomancy::kHouseOrderCount>, kHouseCount + 1>,
      kTopicCount + 1>
      start;
  std::array<Listed<24>, handbook::kStepCount> steps;
  std::array<Listed<4>, kHouseCount + 1> houses;
  std::array<Listed<24>, kMaskCount> figures;
  std::array<Slot<40>, 3> leanings;
  std::array<std::array<Slot<48>, kPages>, 8> sources;  // by chapter and page
  std::array<std::array<std::array<Slot<64>, kMostLeaning + 1>, kMostLeaning + 1>, kMostLeaning + 1>
      balances;
  std::array<std::string_view, handbook::kWitnessColumns> heads;  // by column
};

Pieces build() {
  Pieces p;
  for (int house = 1; house <= kHouseCount; ++house) {
    for (int mask = 0; mask < kMaskCount; ++mask) {
      p.meanings[static_cast<std::size_t>((house - 1) * kMaskCount + mask)] =
          p.texts.keep(house > 1 ? afterComma(meaningJson(house, static_cast<FigureMask>(mask)))
                                 : meaningJson(house, static_cast<FigureMask>(mask)));
    }
  }
  for (int topic = 0; topic <= kTopicCount; ++topic) {
    for (int house = 0; house <= kHouseCount; ++house) {
      for (int order = 0; order < geomancy::kHouseOrderCount; ++order) {
        for (const bool fit : {false, true}) {
          TextBuffer out;
          JsonWriter json(out);
          out += ",\"reading\":";
          json.beginObject().key("topic");
          topic == kTopicCount
              ? json.null()
              : json.value(geomancy::topicName(static_cast<geomancy::Topic>(topic)));
          json.key("house");
          house == 0 ? json.null() : json.value(house);
          json.key("order").value(geomancy::orderName(static_cast<geomancy::HouseOrder>(order)));
          json.key("fit").value(fit).key("testimonies");
          out += '[';
          p.start[topic][house][order][fit ? 1 : 0] = slotOf<128>(out.view());
        }
      }
    }
  }
  for (int step = 0; step < handbook::kStepCount; ++step) {
    const std::string piece =
        "{\"step\":" + std::to_string(handbook::stepNumber(static_cast<handbook::Step>(step))) +
        ",\"houses\":[";
    p.steps[static_cast<std::size_t>(step)] = {slotOf<24>(piece), slotOf<24>(afterComma(piece))};
  }
  for (int house = 1; house <= kHouseCount; ++house) {
    p.houses[house] = {slotOf<4>(std::to_string(house)),
                       slotOf<4>(afterComma(std::to_string(house)))};
  }
  for (int mask = 0; mask < kMaskCount; ++mask) {
    std::string key;
    appendJsonString(key, geomancy::entryForMask(static_cast<FigureMask>(mask)).key);
    p.figures[mask] = {slotOf<24>(key), slotOf<24>(afterComma(key))};
  }
  for (int leaning = 0; leaning < 3; ++leaning) {
    p.leanings[leaning] =
        slotOf<40>("],\"leaning\":\"" +
                   std::string(handbook::leaningName(static_cast<handbook::Leaning>(leaning))) +
                   "\",\"says\":\"");
  }
  for (int chapter = 1; chapter <= 7; ++chapter) {
    for (int page = 0; page < kPages; ++page) {
      p.sources[chapter][page] =
          slotOf<48>("\",\"source\":{\"chapter\":" + std::to_string(chapter) +
                     ",\"page\":" + std::to_string(kFirstPage + page) + "}}");
    }
  }
  for (int leaningFor = 0; leaningFor <= kMostLeaning; ++leaningFor) {
    for (int against = 0; against <= kMostLeaning; ++against) {
      for (int neither = 0; neither <= kMostLeaning; ++neither) {
        p.balances[leaningFor][against][neither] =
            slotOf<64>("],\"balance\":{\"for\":" + std::to_string(leaningFor) +
                       ",\"against\":" + std::to_string(against) +
                       ",\"neither\":" + std::to_string(neither) + ",\"summary\":\"");
      }
    }
  }
  const auto& blocks = handbook::witnessBlocks();
  for (std::size_t block = 0; block < blocks.size(); ++block) {
    for (std::size_t column = 0; column < 8; ++column) {
      p.heads[block * 8 + column] =
          p.texts.keep("\"},\"heads\":" + headsJson(blocks[block].columns[column]) + "}");
    }
  }
  return p;
}

const Pieces& pieces() {
  static const Pieces kPieces = build();
  return kPieces;
}

void writeTestimony(Cursor& out, const Pieces& p, const handbook::Testimony& testimony,
                    bool first) {
  out.put(p.steps[static_cast<std::size_t>(testimony.step)][first ? 0 : 1]);
  for (std::size_t i = 0; i < testimony.houses.size(); ++i) {
    out.put(p.houses[static_cast<std::size_t>(testimony.houses[i])][i == 0 ? 0 : 1]);
  }
  out.put("],\"figures\":[");
  for (std::size_t i = 0; i < testimony.figures.size(); ++i) {
    out.put(p.figures[testimony.figures[i]][i == 0 ? 0 : 1]);
  }
  out.put(p.leanings[static_cast<std::size_t>(testimony.leaning)]);
  for (const std::string_view piece : testimony.says) out.putPadded<kSlack>(piece);
  out.put(p.sources[testimony.source.chapter][testimony.source.page - kFirstPage]);
}

}  // namespace

void appendJudgementJson(TextBuffer& buffer, const geomancy::ChartAnalysis& analysis,
                         const handbook::Judgement& judgement) {
  const Pieces& p = pieces();
  // A cursor of its own, never handed to a call, keeps its place in a register.
  Cursor out(buffer);
  out.put(",\"meanings\":[");
  for (int house = 1; house <= kHouseCount; ++house) {
    out.putPadded<kSlack>(p.meanings[static_cast<std::size_t>((house - 1) * kMaskCount) +
                                     analysis.houseFigure(house)]);
  }
  out.put(']');
  const std::size_t topic =
      judgement.topic ? static_cast<std::size_t>(*judgement.topic) : kTopicCount;
  out.put(p.start[topic][static_cast<std::size_t>(judgement.house)]
                 [static_cast<std::size_t>(analysis.request.order)][judgement.fit ? 1 : 0]);
  bool first = true;
  for (const handbook::Testimony& testimony : judgement.testimonies) {
    writeTestimony(out, p, testimony, first);
    first = false;
  }
  const handbook::Balance& balance = judgement.balance;
  out.put(p.balances[static_cast<std::size_t>(balance.leaningFor)][static_cast<std::size_t>(
      balance.leaningAgainst)][static_cast<std::size_t>(balance.leaningNeither)]);
  out.putPadded<kSlack>(balance.summary);
  out.putPadded<kSlack>(p.heads[handbook::columnNumber(judgement.witnesses)]);
  out.finish();
}

}  // namespace formats
