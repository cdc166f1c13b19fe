// SPDX-License-Identifier: MIT
#include "judgement.h"

#include "attributions.h"
#include "dignities.h"
#include "house_meanings.h"
#include "house_meanings_table.h"
#include "phrases.h"

namespace handbook {
namespace {

using geomancy::FigureMask;
using geomancy::HouseFigures;
using geomancy::Topic;
using phrases::Phrases;

// The rules of chapter VII and where they stand.
constexpr Source kMethod{7, 159};
constexpr Source kJudgeRule{2, 143};
constexpr Source kAspects{6, 158};

Testimony& next(Judgement& judgement, Step step, Source source) {
  Testimony& testimony = judgement.testimonies.grow();
  testimony.begin(step, source);
  return testimony;
}

void say(Testimony& testimony, std::string_view piece) {
  testimony.says.push_back(piece);
}

void place(Testimony& testimony, int house, FigureMask figure) {
  testimony.houses.push_back(static_cast<std::int8_t>(house));
  testimony.figures.push_back(figure);
}

constexpr Leaning leaningOfNature(Nature nature) {
  return nature == Nature::Good   ? Leaning::For
         : nature == Nature::Evil ? Leaning::Against
                                  : Leaning::Neither;
}

// What a chart's judgement looks up, worked out from chapter V when compiled.
struct Lookups {
  std::array<Nature, geomancy::kMaskCount> nature{};
  std::array<std::uint16_t, geomancy::kMaskCount> page{};
  std::array<bool, geomancy::kMaskCount> fit{};  // in the Ascendant
  // By topic ([kTopicCount] for none), house and figure: the leaning of the figure's meaning there.
  std::array<std::array<std::array<Leaning, geomancy::kMaskCount>, 13>, geomancy::kTopicCount + 1>
      leaning{};
};

constexpr Lookups kLookups = [] {
  Lookups lookups;
  for (int mask = 0; mask < geomancy::kMaskCount; ++mask) {
    const auto figure = static_cast<FigureMask>(mask);
    const FigureMeanings& meanings = detail::meaningsOf(figure);
    lookups.nature[mask] = meanings.nature;
    lookups.page[mask] = meanings.page;
    lookups.fit[mask] = meanings.houses[0].verdict != Verdict::Destroy;
    for (int topic = 0; topic <= geomancy::kTopicCount; ++topic) {
      const std::optional<Topic> asked =
          topic == geomancy::kTopicCount ? std::nullopt : std::optional(static_cast<Topic>(topic));
      for (int house = 1; house <= geomancy::kHouseCount; ++house) {
        lookups.leaning[topic][house][mask] =
            leaningOf(detail::verdictForTopic(meanings.houses[house - 1], asked));
      }
    }
  }
  return lookups;
}();

std::size_t topicIndex(std::optional<Topic> topic) {
  return topic ? static_cast<std::size_t>(*topic) : geomancy::kTopicCount;
}

Leaning leaningIn(std::optional<Topic> topic, int house, FigureMask figure) {
  return kLookups.leaning[topicIndex(topic)][static_cast<std::size_t>(house)][figure];
}

// The figures of one group of aspects: good and evil by the side they take, friends and enemies
// of the figure in the house of the demand; and what they come to.
struct AspectCount {
  int good = 0;
  int evil = 0;
  int friends = 0;
  int enemies = 0;

  void add(Leaning side, Accord accord) {
    good += side == Leaning::For ? 1 : 0;
    evil += side == Leaning::Against ? 1 : 0;
    friends += accord == Accord::Friendly ? 1 : 0;
    enemies += accord == Accord::Hostile ? 1 : 0;
  }

  // Help: from good figures none of which is hostile; none from evil ones none of which is
  // friendly; else mixed, and why.
  [[nodiscard]] phrases::AspectEnd friendlyEnd() const {
    using enum phrases::AspectEnd;
    if (good > evil) return enemies == 0 ? Helped : HelpedButHostile;
    if (evil > good) return friends == 0 ? Hindered : HinderedButFriendly;
    return EvenlyMixed;
  }

  // Opposition: small from figures none of which is hostile and no more evil than good; strong
  // from hostile ones more evil than good; else middling, and why.
  [[nodiscard]] phrases::AspectEnd hardEnd() const {
    using enum phrases::AspectEnd;
    if (enemies == 0) return evil <= good ? LittleOpposition : EvilButNotHostile;
    return evil > good ? StrongOpposition : HostileButNotEvil;
  }
};

class Judge {
 public:
  Judge(const geomancy::ChartAnalysis& analysis, Judgement& judgement)
      : p_(phrases::phrases()),
        analysis_(analysis),
        houses_(analysis.houseFigures),
        judgement_(judgement) {}

  void judge() {
    Judgement& j = judgement_;
    j.topic = analysis_.request.topic;
    j.house = geomancy::demandHouse(analysis_.request);
    j.testimonies.clear();
    const geomancy::ShieldMasks& chart = analysis_.reading.chart;
    j.witnesses = witnessesOf(chart[geomancy::kRightWitness], chart[geomancy::kLeftWitness]);
    j.fit = fitness();
    if (j.fit && j.house != 0) {
      witnessesAndJudge();
      figureInHouse();
      meaningInHouse();
      aspects(true);   // sextile and trine
      aspects(false);  // quartile and opposition
      endOfMatter();
      reconciler();
      if (j.topic == Topic::Money) partOfFortune();
    }
    balance();
  }

 private:
  [[nodiscard]] FigureMask figureInDemand() const { return houses_(judgement_.house); }

  bool fitness() {
    Testimony& t = next(judgement_, Step::Fitness, kMethod);
    const FigureMask ascendant = houses_(1);
    place(t, 1, ascendant);
    say(t, p_.fitness[ascendant]);
    const bool fit = kLookups.fit[ascendant];
    t.leaning = fit ? Leaning::Neither : Leaning::Against;
    return fit;
  }

  void witnessesAndJudge() {
    const WitnessesFound& found = judgement_.witnesses;
    const std::size_t column = columnNumber(found);
    const geomancy::Reading& reading = analysis_.reading;
    Testimony& t = next(judgement_, Step::WitnessesAndJudge, {4, found.block->page});
    t.figures.push_back(reading.chart[geomancy::kRightWitness]);
    t.figures.push_back(reading.chart[geomancy::kLeftWitness]);
    t.figures.push_back(reading.judge());
    const std::optional<Topic> topic = judgement_.topic;
    say(t, p_.witnesses[column][topic ? static_cast<std::size_t>(*topic) : phrases::kTopics]);
    if (!topic) {
      t.source = kJudgeRule;
      t.leaning = leaningOfNature(kLookups.nature[reading.judge()]);
      return;
    }
    const HeadAnswer& answer = found.column->heads[static_cast<std::size_t>(*topic)];
    t.leaning = leaningOf(answer.answer);
    if (answer.answer == Answer::ByHouse) {
      const FigureMask there = houses_(answer.house);
      place(t, answer.house, there);
      say(t, p_.byHouse[static_cast<std::size_t>(*topic)][static_cast<std::size_t>(answer.house)]
                       [there]);
      t.leaning = *topic == Topic::Child ? Leaning::Neither : leaningIn(topic, answer.house, there);
    }
  }

  void figureInHouse() {
    const int house = judgement_.house;
    const FigureMask figure = figureInDemand();
    Testimony& t = next(judgement_, Step::FigureInHouse, kMethod);
    place(t, house, figure);
    for (int other = 1; other <= geomancy::kHouseCount; ++other) {
      if (other != house && houses_(other) == figure) {
        t.houses.push_back(static_cast<std::int8_t>(other));
      }
    }
    const auto at = static_cast<std::size_t>(house);
    const std::size_t springs = t.houses.size() - 1;
    if (springs == 0) {
      say(t, p_.standsAlone[at][figure]);
      return;
    }
    say(t, p_.springsFrom[at][figure]);
    for (std::size_t i = 1; i <= springs; ++i) {
      if (i > 1) say(t, i == springs ? p_.listAnd : p_.listComma);
      say(t, p_.springHouse[static_cast<std::size_t>(t.houses[i])]);
    }
    say(t, springs == 1 ? p_.springsEnd[at][figure] : p_.springsEndMany[at][figure]);
  }

  // What the figure in `house` means there, for the topic asked.
  void readMeaning(Testimony& t, int house, FigureMask figure) {
    const int refersTo = detail::meaningIn(figure, house).refersTo;
    say(t, p_.readIn[topicIndex(judgement_.topic)][static_cast<std::size_t>(house)][figure]);
    if (refersTo != 0) {
      const FigureMask referred = houses_(refersTo);
      place(t, refersTo, referred);
      say(t, p_.compare[static_cast<std::size_t>(refersTo)][referred]);
    }
    t.leaning = leaningIn(judgement_.topic, house, figure);
  }

  void meaningInHouse() {
    const FigureMask figure = figureInDemand();
    Testimony& t = next(judgement_, Step::MeaningInHouse, {5, kLookups.page[figure]});
    place(t, judgement_.house, figure);
    readMeaning(t, judgement_.house, figure);
    say(t, p_.brings[figure]);
  }

  // The figures sextile and trine to the house of the demand when `friendly`, else those quartile
  // and opposite: good ones and evil ones, each with its strength and its friendship with the
  // figure in the house.
  void aspects(bool friendly) {
    const int house = judgement_.house;
    const FigureMask judged = figureInDemand();
    const auto aspects = aspectsOf(house);
    // Sextiles, then trines; or quartiles, then the opposition.
    constexpr std::array<std::size_t, 4> kFriendly{0, 3, 2, 5};
    constexpr std::array<std::size_t, 3> kHard{1, 4, 6};
    const std::size_t* const first = friendly ? kFriendly.data() : kHard.data();
    const std::size_t count = friendly ? kFriendly.size() : kHard.size();

    Testimony& t = next(judgement_, friendly ? Step::FriendlyAspects : Step::HardAspects, kAspects);
    // The figures of a nature of their own, good or evil, decide the side of those good with good
    // and evil with evil, and, the other way round, of one good with evil and evil with good.
    int ownGood = 0;
    int ownEvil = 0;
    for (std::size_t i = 0; i < count; ++i) {
      const HouseAspect& aspect = aspects[first[i]];
      const FigureMask figure = houses_(aspect.house);
      place(t, aspect.house, figure);
      const Nature nature = kLookups.nature[figure];
      ownGood += nature == Nature::Good ? 1 : 0;
      ownEvil += nature == Nature::Evil ? 1 : 0;
    }
    const Leaning others = ownGood > ownEvil   ? Leaning::For
                           : ownEvil > ownGood ? Leaning::Against
                                               : Leaning::Neither;
    const Leaning contrary = others == Leaning::For       ? Leaning::Against
                             : others == Leaning::Against ? Leaning::For
                                                          : Leaning::Neither;
    const auto at = static_cast<std::size_t>(house);
    say(t, friendly ? p_.friendlyIntro[at] : p_.hardIntro[at]);
    AspectCount counted;
    for (std::size_t i = 0; i < count; ++i) {
      const HouseAspect& aspect = aspects[first[i]];
      const FigureMask figure = t.figures[i];
      const Nature nature = kLookups.nature[figure];
      const Leaning side = nature == Nature::WithLike   ? others
                           : nature == Nature::Contrary ? contrary
                                                        : leaningOfNature(nature);
      const Accord accord = accordOf(judged, figure);
      counted.add(side, accord);
      if (i > 0) say(t, p_.separator);
      say(t, p_.aspecting[at][static_cast<std::size_t>(aspect.house)][figure]);
      say(t, p_.sideWith[static_cast<std::size_t>(side)][static_cast<std::size_t>(accord)][judged]);
    }
    const phrases::AspectEnd end = friendly ? counted.friendlyEnd() : counted.hardEnd();
    t.leaning = phrases::leaningOf(end);
    say(t, p_.aspectEnd[static_cast<std::size_t>(end)][judged]);
  }

  void endOfMatter() {
    constexpr int kEnd = 4;
    const FigureMask figure = houses_(kEnd);
    if (judgement_.house == kEnd) {
      Testimony& t = next(judgement_, Step::EndOfMatter, kMethod);
      place(t, kEnd, figure);
      say(t, p_.endIsDemand);
      return;
    }
    Testimony& t = next(judgement_, Step::EndOfMatter, {5, kLookups.page[figure]});
    place(t, kEnd, figure);
    say(t, p_.endIntro);
    readMeaning(t, kEnd, figure);
  }

  void reconciler() {
    const FigureMask figure = figureInDemand();
    const FigureMask judge = analysis_.reading.judge();
    const FigureMask made = geomancy::addMasks(figure, judge);
    Testimony& t = next(judgement_, Step::Reconciler, kMethod);
    t.houses.push_back(static_cast<std::int8_t>(judgement_.house));
    t.figures.push_back(figure);
    t.figures.push_back(judge);
    t.figures.push_back(made);
    say(t, p_.reconciler[figure][judge]);
    const bool withFigure = agreesByNature(made, figure);
    const bool withJudge = agreesByNature(made, judge);
    t.leaning = withFigure && withJudge   ? Leaning::For
                : withFigure || withJudge ? Leaning::Neither
                                          : Leaning::Against;
  }

  void partOfFortune() {
    const geomancy::PartOfFortune index = geomancy::partOfFortune(houses_);
    const FigureMask figure = houses_(index.house);
    Testimony& t = next(judgement_, Step::PartOfFortune, kMethod);
    place(t, index.house, figure);
    say(t, p_.fortune[static_cast<std::size_t>(index.house)][figure]);
    t.leaning = leaningIn(Topic::Money, index.house, figure);
  }

  void balance() {
    Balance& b = judgement_.balance;
    b = {};
    for (const Testimony& t : judgement_.testimonies) {
      b.leaningFor += t.leaning == Leaning::For ? 1 : 0;
      b.leaningAgainst += t.leaning == Leaning::Against ? 1 : 0;
      b.leaningNeither += t.leaning == Leaning::Neither ? 1 : 0;
    }
    if (!judgement_.fit) {
      b.summary = p_.unfit;
    } else if (judgement_.house == 0) {
      b.summary = p_.needsHouse;
    } else if (b.leaningFor == 0 && b.leaningAgainst == 0) {
      b.summary = p_.noLeaning;
    } else if (b.leaningFor > b.leaningAgainst) {
      b.summary = b.leaningAgainst == 0 ? p_.allFor : p_.moreFor;
    } else if (b.leaningAgainst > b.leaningFor) {
      b.summary = b.leaningFor == 0 ? p_.allAgainst : p_.moreAgainst;
    } else {
      b.summary = p_.even;
    }
  }

  const Phrases& p_;
  const geomancy::ChartAnalysis& analysis_;
  const HouseFigures& houses_;
  Judgement& judgement_;
};

}  // namespace

void judge(const geomancy::ChartAnalysis& analysis, Judgement& judgement) {
  Judge(analysis, judgement).judge();
}

}  // namespace handbook
