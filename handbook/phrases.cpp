// SPDX-License-Identifier: MIT
#include "phrases.h"

#include <cctype>
#include <stdexcept>

#include "attributions.h"
#include "catalogue.h"
#include "dignities.h"
#include "house_meanings.h"
#include "joined.h"
#include "judgement.h"
#include "witness_tables.h"

namespace handbook::phrases {
namespace {

using geomancy::FigureMask;
using geomancy::Topic;

std::string number(int value) {
  return std::to_string(value);
}

FigureMask figureAt(int mask) {
  return static_cast<FigureMask>(mask);
}

// What each figure brings, in a few words, and what it means for money where the Part of Fortune
// stands with it.
struct FigureWords {
  std::string_view rows;
  std::string_view brings;
  std::string_view money;
};
constexpr std::array<FigureWords, kFigures> kFigureWords{{
    {"1111", "change, and a going on one's way", "money on the move, changing hands"},
    {"2222", "a gathering of many, taking its colour from its company", "money among many hands"},
    {"2112", "a meeting and a joining together", "money joined with another's"},
    {"1221", "delay, binding and hindrance", "money tied up and slow to come"},
    {"2211", "great and lasting good fortune", "money gained and kept"},
    {"1122", "good fortune that comes quickly and passes quickly",
     "money that comes and goes quickly"},
    {"2121", "gain", "money gained"},
    {"1212", "loss", "money lost"},
    {"1222", "joy", "money that brings gladness"},
    {"2221", "sorrow and heaviness", "money that brings grief"},
    {"2212", "peace and clear thought", "money kept in peace"},
    {"2122", "passion, and harm to what is good", "money spent in passion or taken by force"},
    {"1211", "harmony and pleasantness", "money pleasantly spent"},
    {"1121", "rashness and strife", "money risked in haste"},
    {"2111", "a beginning, a coming in", "money coming in"},
    {"1112", "an ending, a going out", "money going out"},
}};

// One column of kFigureWords, by figure.
constexpr ByFigure<std::string_view> byFigure(std::string_view FigureWords::*column) {
  ByFigure<std::string_view> words{};
  for (const FigureWords& figure : kFigureWords) words[drawn(figure.rows)] = figure.*column;
  return words;
}
constexpr ByFigure<std::string_view> kBrings = byFigure(&FigureWords::brings);
constexpr ByFigure<std::string_view> kMoney = byFigure(&FigureWords::money);

constexpr std::array<std::string_view, kHouses> kHouseMatters{
    "",
    "the querent's own life and person",
    "money and goods",
    "brothers, neighbours, letters and short journeys",
    "land, the home, the father and the end of the matter",
    "children, pleasure and news",
    "sickness and servants",
    "marriage, partners and open enemies",
    "death, legacies and money owed",
    "long journeys, learning and faith",
    "rank, honour, work and the mother",
    "friends, hopes and patrons",
    "prison, sorrow and hidden enemies",
};

// How the Part of Fortune's money comes or goes, by its house.
constexpr std::array<std::string_view, kHouses> kMoneyThrough{
    "",
    "through the querent's own doing",
    "in the querent's own hands and dealings",
    "through kin, neighbours or short journeys",
    "through land, the home or the father",
    "through children, pleasures or ventures",
    "through illness or those in service",
    "through a partner, a spouse or an open rival",
    "through a death, a legacy or a debt",
    "through long journeys, the law or learning",
    "through work, rank or those in authority",
    "through friends and patrons",
    "through hidden enemies, confinement or sorrow",
};

constexpr std::array<std::string_view, geomancy::kTopicCount> kHeads{
    "Life",         "Money",    "Rank",   "Property", "Wife",
    "Sex of Child", "Sickness", "Prison", "Journey",  "Thing Lost"};

constexpr std::array<std::string_view, geomancy::kTopicCount> kQuestionOf{
    "life",    "money",    "rank",   "property",  "marriage",
    "a child", "sickness", "prison", "a journey", "a thing lost"};

std::string_view questionOf(Topic topic) {
  return kQuestionOf[static_cast<std::size_t>(topic)];
}

// What each answer of the tables says, in the order of Answer.
constexpr std::array<std::string_view, 20> kAnswerWords{
    "very good",
    "good",
    "moderate",
    "evil",
    "very evil",
    "a son",
    "a daughter",
    "the sick will recover",
    "the sick are in danger",
    "death",
    "release",
    "release, but late",
    "no early release",
    "death in prison",
    "an uncertain outcome",
    "it will be found",
    "part of it will be found",
    "it will not be found",
    "judge by the figure in that house",
    "no answer this head can use",
};

std::string_view answerWords(Answer answer) {
  return kAnswerWords[static_cast<std::size_t>(answer)];
}

std::string_view verdictWords(Verdict verdict) {
  return verdict == Verdict::Destroy ? "not to be judged" : verdictName(verdict);
}

std::string_view natureWords(Nature nature) {
  switch (nature) {
    case Nature::Good:
      return "a good figure";
    case Nature::Evil:
      return "an evil figure";
    case Nature::WithLike:
      return "good with good and evil with evil, leaning neither way alone";
    case Nature::Contrary:
      return "good with evil and evil with good, leaning neither way alone";
  }
  return {};
}

// "There it is very strong, in its exaltation.", with a debility that a dignity outweighs.
std::string strengthSentence(Dignities dignities) {
  const Strength strength = strengthOf(dignities);
  if (strength == Strength::Middling) return " It has no dignity there, and so middling strength.";
  constexpr std::array<std::string_view, 6> kWords{"at its strongest, in its own sign",
                                                   "very strong, in its exaltation",
                                                   "strong, in its triplicity",
                                                   "",
                                                   "very weak, in its fall",
                                                   "at its weakest, in its detriment"};
  std::string out = joined({" There it is ", kWords[static_cast<std::size_t>(strength)]});
  const bool dignified =
      (dignities & (dignityBit(Dignity::House) | dignityBit(Dignity::Exaltation) |
                    dignityBit(Dignity::Triplicity))) != 0;
  for (const Dignity debility : {Dignity::Fall, Dignity::Detriment}) {
    if (dignified && (dignities & dignityBit(debility)) != 0) {
      out += joined({", though also in its ", dignityName(debility)});
    }
  }
  return out + ".";
}

// "unfavourable, except for ...": a sentence of the handbook's cells made a clause.
std::string asClause(std::string_view sentence) {
  std::string clause(sentence);
  if (!clause.empty())
    clause[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(clause[0])));
  if (!clause.empty() && clause.back() == '.') clause.pop_back();
  return clause;
}

// Every piece goes into JSON as it stands, so none may hold a character JSON escapes.
std::string_view plain(std::string_view piece) {
  for (const char c : piece) {
    if (c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20) {
      throw std::logic_error("a phrase of the reading needs escaping: " + std::string(piece));
    }
  }
  return piece;
}

class Builder {
 public:
  explicit Builder(Phrases& p) : p_(p) {}

  void build() {
    fitness();
    witnesses();
    figureInHouse();
    meanings();
    aspects();
    reconcilers();
    fortune();
    balance();
  }

 private:
  std::string_view keep(std::string_view text) { return p_.arena.keep(plain(text)); }

  void fitness() {
    for (int mask = 0; mask < kFigures; ++mask) {
      const FigureMask figure = figureAt(mask);
      p_.fitness[mask] = keep(
          meaningIn(figure, 1).verdict == Verdict::Destroy
              ? joined({nameOf(figure),
                        " holds the Ascendant: the chart is not fit to be judged. Set it aside "
                        "and cast a new one no sooner than two hours from now."})
              : joined({nameOf(figure),
                        " holds the Ascendant, neither Rubeus nor Cauda Draconis: the chart is "
                        "fit to be judged."}));
    }
  }

  void witnesses() {
    const auto& blocks = witnessBlocks();
    for (std::size_t block = 0; block < blocks.size(); ++block) {
      for (std::size_t at = 0; at < 8; ++at) {
        const WitnessColumn& column = blocks[block].columns[at];
        const FigureMask judge = column.judge;
        const FigureMask right = geomancy::addMasks(blocks[block].left, judge);
        const std::string made =
            joined({"The Right Witness ", nameOf(right), " and the Left Witness ",
                    nameOf(blocks[block].left), " make the Judge ", nameOf(judge), "."});
        const std::string misprint =
            column.misprint.empty()
                ? std::string()
                : joined({" The book misprints this column: ", column.misprint, "."});
        auto& byTopic = p_.witnesses[block * 8 + at];
        for (int topic = 0; topic < kTopics; ++topic) {
          const HeadAnswer& head = column.heads[static_cast<std::size_t>(topic)];
          const std::string answer = head.answer == Answer::ByHouse
                                         ? "judge by the figure in house " + number(head.house)
                                         : std::string(answerWords(head.answer));
          byTopic[topic] =
              keep(joined({made, " Under the head ", kHeads[static_cast<std::size_t>(topic)],
                           " the table answers '", head.printed, "': ", answer, ".", misprint}));
        }
        byTopic[kTopics] = keep(joined(
            {made,
             " With no head of the tables named, the handbook's general rule stands: as the Judge "
             "is, so is the chart, and ",
             nameOf(judge), " is ", natureWords(meaningsOf(judge).nature), ".", misprint}));
      }
    }
    for (int topic = 0; topic < kTopics; ++topic) {
      const auto asked = static_cast<Topic>(topic);
      for (int house = 1; house < kHouses; ++house) {
        for (int mask = 0; mask < kFigures; ++mask) {
          const FigureMask figure = figureAt(mask);
          const Sex sex = attributionOf(figure).sex;
          p_.byHouse[topic][house][mask] =
              keep(asked == Topic::Child
                       ? joined({" There stands ", nameOf(figure), ", a ", sexName(sex),
                                 " figure: ", sex == Sex::Male ? "a son." : "a daughter."})
                       : joined({" There stands ", nameOf(figure),
                                 ", which the handbook reads there as ",
                                 verdictWords(verdictFor(meaningIn(figure, house), asked)),
                                 " for a question of ", questionOf(asked), "."}));
        }
      }
    }
  }

  void figureInHouse() {
    p_.listAnd = keep(" and ");
    p_.listComma = keep(", ");
    for (int house = 1; house < kHouses; ++house) {
      p_.springHouse[house] = keep(joined(
          {"house ", number(house), " (", kHouseMatters[static_cast<std::size_t>(house)], ")"}));
      for (int mask = 0; mask < kFigures; ++mask) {
        const FigureMask figure = figureAt(mask);
        const std::string stands =
            joined({nameOf(figure), " stands in house ", number(house), ", the house of ",
                    kHouseMatters[static_cast<std::size_t>(house)]});
        const std::string strength = strengthSentence(dignitiesOf(figure, house));
        p_.standsAlone[house][mask] = keep(joined(
            {stands, ", and springs into no other house, so no other house bears on the question.",
             strength}));
        p_.springsFrom[house][mask] = keep(joined({stands, ", and springs into "}));
        p_.springsEnd[house][mask] = keep(joined({", which bears on the question too.", strength}));
        p_.springsEndMany[house][mask] =
            keep(joined({", which bear on the question too.", strength}));
      }
    }
  }

  void meanings() {
    p_.endIntro = keep("The end of the matter lies in house 4. ");
    p_.endIsDemand = keep(
        "House 4, which shows the end of the matter, is the house of the demand itself: its "
        "figure, read above, shows the end as well.");
    for (int mask = 0; mask < kFigures; ++mask) {
      p_.brings[mask] = keep(joined({" ", nameOf(figureAt(mask)), " brings ", kBrings[mask], "."}));
    }
    for (int house = 1; house < kHouses; ++house) {
      for (int mask = 0; mask < kFigures; ++mask) {
        const FigureMask figure = figureAt(mask);
        const HouseMeaning& meaning = meaningIn(figure, house);
        const std::string reads =
            joined({"The handbook reads ", nameOf(figure), " in house ", number(house), " as ",
                    verdictWords(meaning.verdict), " (", asClause(meaning.says), ")."});
        p_.compare[house][mask] = keep(joined({" It bids the reader compare house ", number(house),
                                               ", where ", nameOf(figure), " stands."}));
        p_.readIn[kTopics][house][mask] = keep(reads);
        for (int topic = 0; topic < kTopics; ++topic) {
          const auto asked = static_cast<Topic>(topic);
          std::string clause;
          for (const NamedMatter& named : meaning) {
            if (!concerns(asked, named.matter)) continue;
            clause =
                joined({" For a question of ", questionOf(asked), ", which touches on ",
                        matterName(named.matter), ", it is ", verdictWords(named.verdict), "."});
            break;
          }
          p_.readIn[topic][house][mask] = keep(reads + clause);
        }
      }
    }
  }

  void aspects() {
    constexpr std::array<std::string_view, 6> kStrengths{
        "at its strongest there", "very strong there", "strong there",
        "of middling strength",   "very weak there",   "at its weakest there"};
    for (int house = 1; house < kHouses; ++house) {
      // Dexter and sinister as the book names them, from the house aspected.
      p_.friendlyIntro[house] =
          keep(joined({"Sextile and trine to house ", number(house), ", named from it: "}));
      p_.hardIntro[house] =
          keep(joined({"Quartile and opposite to house ", number(house), ", named from it: "}));
      for (const HouseAspect& aspect : aspectsOf(house)) {
        const std::string_view side = geomancy::sideName(aspect.side);
        const std::string kind = side.empty() ? joined({"in ", aspectWord(aspect.kind)})
                                              : joined({"a ", side, " ", aspectWord(aspect.kind)});
        for (int mask = 0; mask < kFigures; ++mask) {
          const FigureMask figure = figureAt(mask);
          const Strength strength = strengthOf(dignitiesOf(figure, aspect.house));
          p_.aspecting[house][aspect.house][mask] =
              keep(joined({nameOf(figure), " in house ", number(aspect.house), " (", kind, "), ",
                           kStrengths[static_cast<std::size_t>(strength)]}));
        }
      }
    }
    constexpr std::array<std::string_view, 3> kSides{", good", ", evil", ", neither good nor evil"};
    for (std::size_t side = 0; side < 3; ++side) {
      for (std::size_t accord = 0; accord < 3; ++accord) {
        for (int mask = 0; mask < kFigures; ++mask) {
          p_.sideWith[side][accord][mask] =
              keep(joined({kSides[side], ", ", accordName(static_cast<Accord>(accord)), " to ",
                           nameOf(figureAt(mask))}));
        }
      }
    }
    p_.separator = keep("; ");
    for (int mask = 0; mask < kFigures; ++mask) {
      const std::string_view judged = nameOf(figureAt(mask));
      const auto end = [this, mask](AspectEnd which, std::string text) {
        p_.aspectEnd[static_cast<std::size_t>(which)][mask] = keep(text);
      };
      end(AspectEnd::Helped, joined({". Good figures outweigh evil ones and none is hostile to ",
                                     judged, ": help from those who wish the querent well."}));
      end(AspectEnd::Hindered, joined({". Evil figures outweigh good ones and none is friendly to ",
                                       judged, ": little help, or help that harms."}));
      end(AspectEnd::HelpedButHostile,
          joined({". Good figures outweigh evil ones, but some are hostile to ", judged,
                  ": help, though not from all of them."}));
      end(AspectEnd::HinderedButFriendly,
          joined({". Evil figures outweigh good ones, though some are friendly to ", judged,
                  ": help that may do as much harm as good."}));
      end(AspectEnd::EvenlyMixed,
          ". Good and evil are evenly set among them: the help they offer is mixed.");
      end(AspectEnd::LittleOpposition,
          joined({". None of them is hostile to ", judged,
                  " and they are no more evil than good: the opposition is not great."}));
      end(AspectEnd::StrongOpposition, joined({". Some are hostile to ", judged,
                                               " and evil outweighs good: strong opposition."}));
      end(AspectEnd::EvilButNotHostile,
          joined({". None of them is hostile to ", judged,
                  ", but evil outweighs good: some opposition, of no great weight."}));
      end(AspectEnd::HostileButNotEvil,
          joined({". Some are hostile to ", judged,
                  ", but they are no more evil than good: some opposition, of no great weight."}));
    }
  }

  void reconcilers() {
    for (int house = 0; house < kFigures; ++house) {
      for (int judge = 0; judge < kFigures; ++judge) {
        const FigureMask inHouse = figureAt(house);
        const FigureMask theJudge = figureAt(judge);
        const FigureMask reconciler = geomancy::addMasks(inHouse, theJudge);
        const bool withHouse = agreesByNature(reconciler, inHouse);
        const bool withJudge = agreesByNature(reconciler, theJudge);
        std::string out = joined({"The figure in the house of the demand, ", nameOf(inHouse),
                                  ", and the Judge, ", nameOf(theJudge), ", make the Reconciler ",
                                  nameOf(reconciler), reconciler == inHouse ? " again" : "",
                                  ", which brings ", kBrings[reconciler], ". "});
        if (withHouse && withJudge) {
          out += "By nature it agrees with both: it works for the querent's wish.";
        } else if (withHouse || withJudge) {
          out += joined({"By nature it agrees with ", nameOf(withHouse ? inHouse : theJudge),
                         " only: of no great help either way."});
        } else {
          out += "By nature it agrees with neither: it does not help.";
        }
        p_.reconciler[house][judge] = keep(out);
      }
    }
  }

  void fortune() {
    for (int house = 1; house < kHouses; ++house) {
      for (int mask = 0; mask < kFigures; ++mask) {
        const FigureMask figure = figureAt(mask);
        p_.fortune[house][mask] =
            keep(joined({"The Part of Fortune, the querent's ready money, falls in house ",
                         number(house), " with ", nameOf(figure), ", which may point to ",
                         kMoney[mask], ", ", kMoneyThrough[static_cast<std::size_t>(house)],
                         ". The handbook reads ", nameOf(figure), " there as ",
                         verdictWords(verdictFor(meaningIn(figure, house), Topic::Money)),
                         " for a question of money."}));
      }
    }
  }

  void balance() {
    p_.unfit =
        keep("The chart is not fit to be judged: cast again, no sooner than two hours from now.");
    p_.needsHouse = keep(
        "The method judges the house a question belongs to: name the quesited's house or a topic "
        "to have the chart judged.");
    p_.noLeaning = keep("No testimony leans either way: the chart gives no clear answer.");
    p_.allFor = keep(
        "Every testimony that leans at all leans for the querent: the chart favours the matter.");
    p_.moreFor = keep(
        "More testimonies lean for the querent than against: the matter leans towards a good end, "
        "though not without hindrance.");
    p_.allAgainst = keep(
        "Every testimony that leans at all leans against the querent: the chart does not favour "
        "the matter.");
    p_.moreAgainst = keep(
        "More testimonies lean against the querent than for: the matter leans towards a poor end, "
        "though not without help.");
    p_.even =
        keep("The testimonies that lean are evenly divided: the chart gives no clear answer.");
  }

  Phrases& p_;
};

}  // namespace

const Phrases& phrases() {
  static const Phrases kPhrases = [] {
    Phrases p;
    Builder(p).build();
    return p;
  }();
  return kPhrases;
}

std::string_view nameOf(FigureMask figure) noexcept {
  return geomancy::entryForMask(figure).latinName;
}

}  // namespace handbook::phrases

// The names the judgement uses beside its phrases.
namespace handbook {

std::string_view headName(geomancy::Topic topic) noexcept {
  return phrases::kHeads[static_cast<std::size_t>(topic)];
}

std::string_view questionOf(geomancy::Topic topic) noexcept {
  return phrases::questionOf(topic);
}

std::string_view houseMatters(int house) noexcept {
  return house >= 1 && house <= 12 ? phrases::kHouseMatters[static_cast<std::size_t>(house)]
                                   : std::string_view{};
}

}  // namespace handbook
