// SPDX-License-Identifier: MIT
#include "witness_tables.h"

namespace handbook {
namespace {

using enum Answer;

// As printed, block by block and column by column, each head's answer with the printed text it
// was read from. Where the print is wrong the column says so; it is read as its note says.
// clang-format off
constexpr std::array<WitnessBlock, 16> kBlocks{{
    // Left Witness Populus, p. 145
    {drawn("2222"), 145, {{
      {drawn("2222"), drawn("2222"), {{
          {"Mod.", Moderate}, {"Mod.", Moderate}, {"Mod.", Moderate}, {"Mod.", Moderate},
          {"Good", Good}, {"5#", ByHouse, 5}, {"Asc.", ByHouse, 1}, {"Come out", Release},
          {"Good by water", Good}, {"Found", Found}}}},
      {drawn("2211"), drawn("2211"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Evil", Unanswered}, {"Health", Recovery}, {"Out", Release}, {"Slow", Moderate},
          {"Found", Found}}},
       "Sex of Child is printed as Evil, which names no sex: read as no answer"},
      {drawn("1122"), drawn("1122"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Bad", Evil},
          {"Dau.", Daughter}, {"Soon health", Recovery}, {"Soon out", Release},
          {"Medium", Moderate}, {"Part found", PartFound}}}},
      {drawn("1111"), drawn("1111"), {{
          {"Mod.", Moderate}, {"Bad", Evil}, {"Mod.", Moderate}, {"Bad", Evil},
          {"Good", Good}, {"Son", Son}, {"Health", Recovery}, {"Out for nothing", Release},
          {"Good by water", Good}, {"Not found", NotFound}}}},
      {drawn("2112"), drawn("2112"), {{
          {"Mod.", Moderate}, {"Mod.", Moderate}, {"Good", Good}, {"Good", Good},
          {"Good", Good}, {"Dau.", Daughter}, {"Perilous", Danger}, {"Long", Held},
          {"Evil", Evil}, {"Found", Found}}}},
      {drawn("1221"), drawn("1221"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Mod.", Moderate}, {"Bad", Evil}, {"Bad", Evil},
          {"Dau.", Daughter}, {"Health", Recovery}, {"Out", Release}, {"Medium", Moderate},
          {"Lost", NotFound}}}},
      {drawn("2121"), drawn("2121"), {{
          {"Good", Good}, {"Mod.", Moderate}, {"Mod.", Moderate}, {"Mod.", Moderate},
          {"Good", Good}, {"5", ByHouse, 5}, {"Health", Recovery}, {"Die there", DiesThere},
          {"Medium", Moderate}, {"Found", Found}}}},
      {drawn("1212"), drawn("1212"), {{
          {"Mod.", Moderate}, {"Good", Good}, {"Bad", Evil}, {"Good", Good}, {"Bad", Evil},
          {"Dau.", Daughter}, {"Asc.", ByHouse, 1}, {"Die there", DiesThere}, {"Evil", Evil},
          {"Part found", PartFound}}}},
    }}},
    // Left Witness Laetitia, p. 146
    {drawn("1222"), 146, {{
      {drawn("2111"), drawn("1111"), {{
          {"Good & long", Good}, {"Increase", Good}, {"Good dignity", Good}, {"Good", Good},
          {"Good", Good}, {"Son", Son}, {"Health", Recovery}, {"Late out", LateRelease},
          {"Good in end", Good}, {"Found", Found}}}},
      {drawn("1112"), drawn("2112"), {{
          {"Med.", Moderate}, {"Evil", Evil}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"Dau.", Daughter}, {"11", ByHouse, 11}, {"Come out", Release},
          {"Hurtful", Evil}, {"Found", Found}}}},
      {drawn("2212"), drawn("1212"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"Dau.", Daughter}, {"Asc.", ByHouse, 1}, {"Come out", Release},
          {"Evil", Evil}, {"Part found", PartFound}}}},
      {drawn("2122"), drawn("1122"), {{
          {"Evil", Evil}, {"Med.", Moderate}, {"Good", Good}, {"Good", Good}, {"Evil", Evil},
          {"5", ByHouse, 5}, {"Dangerous", Danger}, {"Come out", Release}, {"Evil", Evil},
          {"Part found", PartFound}}}},
      {drawn("1211"), drawn("2211"), {{
          {"Med.", Moderate}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Son", Son}, {"Health", Recovery}, {"Soon out", Release}, {"Good", Good},
          {"Part found", PartFound}}}},
      {drawn("1121"), drawn("2121"), {{
          {"Med.", Moderate}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"5", ByHouse, 5}, {"Health", Recovery}, {"Run away", Release}, {"Evil", Evil},
          {"Part yielded", PartFound}}}},
      {drawn("2221"), drawn("1221"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"Son", Son}, {"Health", Recovery},
          {"Escape & recapture", Held}, {"Return", Moderate}, {"Part found", PartFound}}}},
      {drawn("1222"), drawn("2222"), {{
          {"Good", Good}, {"Med.", Moderate}, {"Med.", Moderate}, {"Evil", Evil},
          {"Good", Good}, {"5", ByHouse, 5}, {"5", ByHouse, 5}, {"Come out", Release},
          {"Good by water", Good}, {"Part found", PartFound}}}},
    }}},
    // Left Witness Via, p. 146
    {drawn("1111"), 146, {{
      {drawn("2222"), drawn("1111"), {{
          {"Med.", Moderate}, {"Evil", Evil}, {"Med.", Moderate}, {"Evil", Evil},
          {"Good", Good}, {"Son", Son}, {"Health", Recovery}, {"Out for Nothing", Release},
          {"Good by water", Good}, {"Not found", NotFound}}}},
      {drawn("1111"), drawn("2222"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Dau.", Daughter}, {"Dangerous", Danger}, {"Evil", Held}, {"Good by water", Good},
          {"Not found", NotFound}}}},
      {drawn("2211"), drawn("1122"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"5", ByHouse, 5}, {"Health", Recovery}, {"Come out", Release},
          {"Slack", Moderate}, {"Part yielded", PartFound}}}},
      {drawn("1122"), drawn("2211"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Evil", Evil}, {"5", ByHouse, 5}, {"Death", Death}, {"Not out", Held},
          {"Return", Moderate}, {"Found", Found}}}},
      {drawn("2112"), drawn("1221"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Evil", Evil}, {"Med.", Moderate},
          {"Evil", Evil}, {"5", ByHouse, 5}, {"Death", Death}, {"Not out", Held},
          {"Return", Moderate}, {"Found", Found}}}},
      {drawn("1221"), drawn("2112"), {{
          {"Evil", Evil}, {"Med.", Moderate}, {"Evil", Evil}, {"Good", Good}, {"Evil", Evil},
          {"5", ByHouse, 5}, {"Death", Death}, {"Not out", Held}, {"Late", Moderate},
          {"Part found", PartFound}}}},
      {drawn("2121"), drawn("1212"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"Son", Son}, {"Health", Recovery}, {"Come out", Release},
          {"Late", Moderate}, {"Little found", PartFound}}}},
      {drawn("1212"), drawn("2121"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"5", ByHouse, 5}, {"Health", Recovery}, {"Soon out", Release},
          {"Good", Good}, {"Not found", NotFound}}}},
    }}},
    // Left Witness Fortuna Major, p. 147
    {drawn("2211"), 147, {{
      {drawn("2211"), drawn("2222"), {{
          {"Good", Good}, {"Good", Good}, {"Possibility good", Good}, {"Good", Good},
          {"Good", Good}, {"5", ByHouse, 5}, {"Health", Recovery}, {"Come out", Release},
          {"Good with speed", Good}, {"Found", Found}}}},
      {drawn("1212"), drawn("1221"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"Son", Son}, {"Health", Recovery}, {"Late", LateRelease}, {"Evil", Evil},
          {"Not found", NotFound}}}},
      {drawn("2121"), drawn("2112"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Son", Son}, {"Good", Recovery}, {"Come out", Release}, {"Difficult", Evil},
          {"Found", Found}}}},
      {drawn("2112"), drawn("2121"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Good", Good}, {"Med.", Moderate},
          {"Good", Good}, {"5", ByHouse, 5}, {"ASC.", ByHouse, 1}, {"Die there", DiesThere},
          {"Med.", Moderate}, {"Found", Found}}}},
      {drawn("1122"), drawn("1111"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Good", Good}, {"Med.", Moderate},
          {"Good", Good}, {"Son", Son}, {"Health", Recovery}, {"Come out", Release},
          {"Soon return", Good}, {"Part found", PartFound}}}},
      {drawn("1221"), drawn("1212"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Evil", Evil}, {"Dau.", Daughter}, {"Perilous", Danger}, {"With harm", Held},
          {"Late", Moderate}, {"Not found", NotFound}}}},
      {drawn("2222"), drawn("2211"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"5", ByHouse, 5}, {"Health", Recovery}, {"Come out", Release}, {"Good", Good},
          {"Found", Found}}}},
      {drawn("1111"), drawn("1122"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Good", Good}, {"Evil", Evil},
          {"Evil", Evil}, {"5", ByHouse, 5}, {"Health", Recovery}, {"Soon out", Release},
          {"Very good", VeryGood}, {"Not found", NotFound}}}},
    }}},
    // Left Witness Albus, p. 147
    {drawn("2212"), 147, {{
      {drawn("1121"), drawn("1111"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"Dau.die", Daughter}, {"Death", Death}, {"Perilous", Held}, {"Med.", Moderate},
          {"Not found", NotFound}}}},
      {drawn("1211"), drawn("1221"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Evil", Evil},
          {"5", ByHouse, 5}, {"Health", Recovery}, {"Late", LateRelease}, {"Good", Good},
          {"Not found", NotFound}}}},
      {drawn("2122"), drawn("2112"), {{
          {"Evil", Evil}, {"Med.", Moderate}, {"Evil", Evil}, {"Evil", Evil},
          {"Med.", Moderate}, {"Dau.", Daughter}, {"Death", Death}, {"Not out", Held},
          {"Evil", Evil}, {"Not found", NotFound}}}},
      {drawn("1222"), drawn("1212"), {{
          {"Suffic'nt", Moderate}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Good", Good}, {"5", ByHouse, 5}, {"Health", Recovery}, {"Come out", Release},
          {"Good", Good}, {"Part found", PartFound}}}},
      {drawn("2221"), drawn("2211"), {{
          {"Evil", Evil}, {"Med.", Moderate}, {"Evil", Evil}, {"Med.", Moderate},
          {"Evil", Evil}, {"Dau.", Daughter}, {"Death", Death}, {"Die there", DiesThere},
          {"Difficult", Evil}, {"Part found", PartFound}}}},
      {drawn("2111"), drawn("2121"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"5", ByHouse, 5}, {"Health", Recovery}, {"Run away", Release}, {"Slow", Moderate},
          {"Found", Found}}}},
      {drawn("1112"), drawn("1122"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"Dau.", Daughter}, {"Health", Recovery}, {"Come out", Release}, {"Med.", Moderate},
          {"Not found", NotFound}}}},
      {drawn("2212"), drawn("2222"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"Dau.", Daughter}, {"ASC.", ByHouse, 1}, {"Come out", Release},
          {"V. good by Water", VeryGood}, {"Part found", PartFound}}}},
    }}},
    // Left Witness Rubeus, p. 148
    {drawn("2122"), 148, {{
      {drawn("1222"), drawn("1122"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Very good", VeryGood}, {"Son", Son}, {"Health", Recovery}, {"Come out", Release},
          {"Difficult", Evil}, {"Part found", PartFound}}}},
      {drawn("2221"), drawn("2121"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Evil", Evil}, {"Dau.", Daughter}, {"Health", Recovery}, {"Difficult", Held},
          {"Evil", Evil}, {"Part yielded", PartFound}}}},
      {drawn("2212"), drawn("2112"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Good", Good}, {"Dau.", Daughter}, {"Death", Death}, {"Evil", Held},
          {"Evil", Evil}, {"Not found", NotFound}}}},
      {drawn("2111"), drawn("2211"), {{
          {"Good", Good}, {"Good", Good}, {"Med.", Moderate}, {"Good", Good},
          {"Med.", Moderate}, {"Son", Son}, {"Health", Recovery}, {"Evil", Held},
          {"Evil", Evil}, {"Found", Found}}}},
      {drawn("1112"), drawn("1212"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"Dau.", Daughter}, {"Health", Recovery}, {"Come out", Release}, {"Evil", Evil},
          {"Not found", NotFound}}}},
      {drawn("1211"), drawn("1111"), {{
          {"Med.", Moderate}, {"Good", Good}, {"Good", Good}, {"Med.", Moderate},
          {"Good", Good}, {"5", ByHouse, 5}, {"Long sick", Danger}, {"Soon out", Release},
          {"Slow", Moderate}, {"Found", Found}}}},
      {drawn("1121"), drawn("1221"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"5", ByHouse, 5}, {"In danger", Danger}, {"Doubtful", Uncertain}, {"Evil", Evil},
          {"Not found", NotFound}}}},
      {drawn("2122"), drawn("2222"), {{
          {"Very evil", VeryEvil}, {"Very evil", VeryEvil}, {"Very evil", VeryEvil},
          {"Very evil", VeryEvil}, {"Immoral", Evil}, {"5", ByHouse, 5}, {"Perilous", Danger},
          {"Death", DiesThere}, {"Robbed", Evil}, {"Not found", NotFound}}}},
    }}},
    // Left Witness Tristitia, p. 148
    {drawn("2221"), 148, {{
      {drawn("2221"), drawn("2222"), {{
          {"Evil", Evil}, {"Med.", Moderate}, {"Evil", Evil}, {"Good", Good}, {"Evil", Evil},
          {"5", ByHouse, 5}, {"Death", Death}, {"Death", DiesThere}, {"Evil", Evil},
          {"Not found", NotFound}}}},
      {drawn("2212"), drawn("2211"), {{
          {"Suffic'nt", Moderate}, {"Suffic'nt", Moderate}, {"Suffic'nt", Moderate},
          {"Suffic'nt", Moderate}, {"Suffic'nt", Moderate}, {"Dau.", Daughter},
          {"Death", Death}, {"Death", DiesThere}, {"Evil", Evil}, {"Found", Found}}}},
      {drawn("2122"), drawn("2121"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"Son", Son}, {"Evil", Danger}, {"Evil", Held}, {"Evil", Evil},
          {"Not found", NotFound}}}},
      {drawn("1222"), drawn("1221"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Evil", Evil}, {"Evil", Evil},
          {"Evil", Evil}, {"Dau.", Daughter}, {"Evil", Danger}, {"Evil", Held},
          {"Evil", Evil}, {"Not found", NotFound}}}},
      {drawn("1121"), drawn("1122"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"5", ByHouse, 5}, {"Evil", Danger}, {"Evil", Held}, {"Evil", Evil},
          {"Not found", NotFound}}}},
      {drawn("1211"), drawn("1212"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Good", Good}, {"Evil", Evil},
          {"Evil", Evil}, {"5", ByHouse, 5}, {"Health", Recovery}, {"Come out", Release},
          {"Very late", Moderate}, {"Not found", NotFound}}}},
      {drawn("2111"), drawn("2112"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Dau.", Daughter}, {"Health", Recovery}, {"Long", Held}, {"Late", Moderate},
          {"Found", Found}}}},
      {drawn("1112"), drawn("1111"), {{
          {"Evil", Evil}, {"Very evil", VeryEvil}, {"Evil", Evil}, {"Very evil", VeryEvil},
          {"Evil", Evil}, {"5", ByHouse, 5}, {"Perilous", Danger}, {"Hard", Held},
          {"Med.", Moderate}, {"Not found", NotFound}}}},
    }}},
    // Left Witness Puella, p. 149
    {drawn("1211"), 149, {{
      {drawn("1121"), drawn("2112"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Evil", Evil}, {"Evil", Evil},
          {"Med.", Moderate}, {"Dau.", Daughter}, {"ASC.", ByHouse, 1},
          {"Out by ill means", Release}, {"Perilous", Evil}, {"Part found", PartFound}}}},
      {drawn("1222"), drawn("2211"), {{
          {"Med.", Moderate}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Son", Son}, {"Health", Recovery}, {"Come out", Release}, {"Good", Good},
          {"Found", Found}}}},
      {drawn("1211"), drawn("2222"), {{
          {"Good", Good}, {"Good", Good}, {"V. good", VeryGood}, {"Med.", Moderate},
          {"Good", Good}, {"5", ByHouse, 5}, {"Dangerous", Danger}, {"Come out", Release},
          {"Good by Water", Good}, {"Part found", PartFound}}}},
      {drawn("2212"), drawn("1221"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"5", ByHouse, 5}, {"ASC.", ByHouse, 1}, {"Good end", Release}, {"Good", Good},
          {"Found", Found}}}},
      {drawn("2122"), drawn("1111"), {{
          {"Evil", Evil}, {"Med.", Moderate}, {"Evil", Evil}, {"Med.", Moderate},
          {"Evil", Evil}, {"5", ByHouse, 5}, {"Health", Recovery}, {"Come out", Release},
          {"Perilous", Evil}, {"Not found", NotFound}}}},
      {drawn("2221"), drawn("1212"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Good", Good}, {"Med.", Moderate},
          {"Med.", Moderate}, {"5", ByHouse, 5}, {"Health", Recovery}, {"Come out", Release},
          {"Slow", Moderate}, {"Not found", NotFound}}}},
      {drawn("2111"), drawn("1122"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Dau.", Daughter}, {"Long", Danger}, {"Long", Held}, {"Good", Good},
          {"Found", Found}}}},
      {drawn("1112"), drawn("2121"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Med.", Moderate},
          {"5", ByHouse, 5}, {"Health", Recovery}, {"Come out", Release}, {"Med.", Moderate},
          {"Part found", PartFound}}}},
    }}},
    // Left Witness Puer, p. 149
    {drawn("1121"), 149, {{
      {drawn("1211"), drawn("2112"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Med.", Moderate}, {"Good", Good},
          {"Son", Son}, {"Health", Recovery}, {"Well out", Release}, {"Return", Moderate},
          {"Found", Found}}}},
      {drawn("2122"), drawn("1111"), {{
          {"Evil", Evil}, {"Somewhat good", Good}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"Dau.", Daughter}, {"Soon die", Death}, {"Soon out", Release},
          {"Med.", Moderate}, {"Part found", PartFound}}},
       "the Right Witness is drawn as Rubeus, which column 4 already holds, and Albus is missing "
       "from the block; the Judge, Via, is Puer and Albus added: read as Albus"},
      {drawn("1121"), drawn("2222"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"5", ByHouse, 5}, {"ASC.", ByHouse, 1}, {"Dangerous", Held}, {"Spoiled", Evil},
          {"Not found", NotFound}}}},
      {drawn("2122"), drawn("1221"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"Dau.", Daughter}, {"Death", Death}, {"Die there", DiesThere}, {"Evil", Evil},
          {"Not found", NotFound}}}},
      {drawn("2111"), drawn("1212"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"Son", Son}, {"Health", Recovery}, {"Come out", Release},
          {"Med.", Moderate}, {"Found", Found}}}},
      {drawn("1112"), drawn("2211"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"Dau.", Daughter}, {"Perilous", Danger}, {"Perilous", Held}, {"Evil", Evil},
          {"Not found", NotFound}}}},
      {drawn("1222"), drawn("2121"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"Son", Son}, {"Health", Recovery}, {"Come out", Release},
          {"Med.", Moderate}, {"Found", Found}}}},
      {drawn("2221"), drawn("1122"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"Dau.", Daughter}, {"Evil", Danger}, {"Evil", Held}, {"Evil", Evil},
          {"Not found", NotFound}}}},
    }}},
    // Left Witness Caput Draconis, p. 150
    {drawn("2111"), 150, {{
      {drawn("1112"), drawn("1221"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"Dau.", Daughter}, {"ASC.", ByHouse, 1}, {"Long", Held}, {"Evil", Evil},
          {"Not found", NotFound}}}},
      {drawn("2212"), drawn("2121"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Med.", Moderate},
          {"5", ByHouse, 5}, {"Health", Recovery}, {"Perilous", Held}, {"Med.", Moderate},
          {"Found", Found}}}},
      {drawn("2111"), drawn("2222"), {{
          {"V.good", VeryGood}, {"V.good", VeryGood}, {"V.good", VeryGood},
          {"V.good", VeryGood}, {"Good", Good}, {"5", ByHouse, 5}, {"ASC.", ByHouse, 1},
          {"Come out", Release}, {"Good by Water", Good}, {"Found", Found}}}},
      {drawn("2221"), drawn("2112"), {{
          {"Evil", Evil}, {"Suffic'nt", Moderate}, {"Evil", Evil}, {"Med.", Moderate},
          {"Evil", Evil}, {"Dau.", Daughter}, {"Health", Recovery}, {"Hard", Held},
          {"Evil", Evil}, {"Found", Found}}}},
      {drawn("2122"), drawn("2211"), {{
          {"Evil", Evil}, {"Med.", Moderate}, {"Good", Good}, {"Suffic'nt", Moderate},
          {"Med.", Moderate}, {"Son", Son}, {"Good end", Recovery}, {"6", ByHouse, 6},
          {"Evil", Evil}, {"Part found", PartFound}}}},
      {drawn("1222"), drawn("1111"), {{
          {"Good", Good}, {"V.good", VeryGood}, {"Good", Good}, {"Good", Good},
          {"Med.", Moderate}, {"Son", Son}, {"Health", Recovery}, {"Soon out", Release},
          {"Good", Good}, {"Found", Found}}}},
      {drawn("1121"), drawn("1212"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"Dau.", Daughter}, {"Health", Recovery}, {"Come out", Release}, {"Evil", Evil},
          {"Not found", NotFound}}}},
      {drawn("1211"), drawn("1122"), {{
          {"Good", Good}, {"V.good", VeryGood}, {"Good", Good}, {"Good", Good},
          {"Good", Good}, {"Son", Son}, {"Health", Recovery}, {"Out late", LateRelease},
          {"V.good", VeryGood}, {"Found", Found}}}},
    }}},
    // Left Witness Cauda Draconis, p. 150
    {drawn("1112"), 150, {{
      {drawn("2111"), drawn("1221"), {{
          {"Med.", Moderate}, {"Good", Good}, {"Med.", Moderate}, {"Good", Good},
          {"Med.", Moderate}, {"Son", Son}, {"Health", Recovery}, {"Good end", Release},
          {"Evil", Evil}, {"Found", Found}}}},
      {drawn("1121"), drawn("2211"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"5", ByHouse, 5}, {"Perilous", Danger}, {"Out with pain", Release}, {"Evil", Evil},
          {"Not found", NotFound}}}},
      {drawn("1112"), drawn("2222"), {{
          {"Very evil", VeryEvil}, {"Very evil", VeryEvil}, {"Very evil", VeryEvil},
          {"Very evil", VeryEvil}, {"Very evil", VeryEvil}, {"5", ByHouse, 5},
          {"Death", Death}, {"Death", DiesThere}, {"Very evil", VeryEvil},
          {"Not found", NotFound}}}},
      {drawn("1211"), drawn("2121"), {{
          {"Tolerable", Moderate}, {"Good", Good}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"5", ByHouse, 5}, {"Death", Death}, {"Come out", Release},
          {"Med.", Moderate}, {"Found", Found}}}},
      {drawn("2122"), drawn("1212"), {{
          {"Evil", Evil}, {"Med.", Moderate}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"5", ByHouse, 5}, {"Death", Death}, {"Come out punished", Release}, {"Evil", Evil},
          {"Not found", NotFound}}}},
      {drawn("2212"), drawn("1122"), {{
          {"Med.", Moderate}, {"Suffic'nt", Moderate}, {"Suffic'nt", Moderate},
          {"Suffic'nt", Moderate}, {"Evil", Evil}, {"5", ByHouse, 5}, {"Perilous", Danger},
          {"Come out", Release}, {"Evil", Evil}, {"Part found", PartFound}}}},
      {drawn("1222"), drawn("2112"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Med.", Moderate},
          {"Son and live", Son}, {"Health", Recovery}, {"Soon out", Release}, {"Good", Good},
          {"Found", Found}}}},
      {drawn("2221"), drawn("1111"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Med.", Moderate},
          {"Very evil", VeryEvil}, {"5", ByHouse, 5}, {"ASC.", ByHouse, 1},
          {"Dangerous", Held}, {"Very evil", VeryEvil}, {"Not found", NotFound}}}},
    }}},
    // Left Witness Acquisitio, p. 151
    {drawn("2121"), 151, {{
      {drawn("2222"), drawn("2121"), {{
          {"Good", Good}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Good", Good}, {"5", ByHouse, 5}, {"Health", Recovery}, {"Death", DiesThere},
          {"Med.", Moderate}, {"Found", Found}}}},
      {drawn("1111"), drawn("1212"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Med.", Moderate}, {"Evil", Evil}, {"Evil", Evil},
          {"Son", Son}, {"Health", Recovery}, {"Come out", Release}, {"Good", Good},
          {"Not found", NotFound}}}},
      {drawn("2121"), drawn("2222"), {{
          {"V.good", VeryGood}, {"V.good", VeryGood}, {"V.good", VeryGood},
          {"V.good", VeryGood}, {"Good", Good}, {"5", ByHouse, 5}, {"Health", Recovery},
          {"Come out", Release}, {"Good", Good}, {"Found", Found}}}},
      {drawn("1212"), drawn("1111"), {{
          {"Med.", Moderate}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"5", ByHouse, 5}, {"Health", Recovery}, {"Come out", Release}, {"Med.", Moderate},
          {"Not found", NotFound}}}},
      {drawn("2211"), drawn("2112"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Son", Son}, {"Health", Recovery}, {"Long", Held}, {"Soon return", Good},
          {"Found", Found}}}},
      {drawn("1122"), drawn("1221"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"Dau.", Daughter}, {"Health", Recovery}, {"Come out", Release},
          {"Med.", Moderate}, {"Found", Found}}}},
      {drawn("1221"), drawn("1122"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"5", ByHouse, 5}, {"ASC.", ByHouse, 1},
          {"Late out", LateRelease}, {"Evil", Evil}, {"Found", Found}}}},
      {drawn("2112"), drawn("2211"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Son", Son}, {"In danger", Danger}, {"Slow", LateRelease}, {"Slow", Moderate},
          {"Found", Found}}}},
    }}},
    // Left Witness Amissio, p. 151
    {drawn("1212"), 151, {{
      {drawn("2121"), drawn("1111"), {{
          {"Good", Good}, {"Good", Good}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"5", ByHouse, 5}, {"The end health", Recovery}, {"Long", Held},
          {"Good", Good}, {"Not found", NotFound}}}},
      {drawn("2211"), drawn("1221"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"Son", Son}, {"Health", Recovery}, {"Good end", Release},
          {"Med.", Moderate}, {"Found", Found}}}},
      {drawn("1212"), drawn("2222"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"5", ByHouse, 5}, {"Perilous", Danger}, {"Hard", Held}, {"Evil", Evil},
          {"Not found", NotFound}}}},
      {drawn("1122"), drawn("2112"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Good", Good}, {"Med.", Moderate},
          {"Med.", Moderate}, {"5", ByHouse, 5}, {"Health", Recovery}, {"Soon out", Release},
          {"Good", Good}, {"Not found", NotFound}}}},
      {drawn("2222"), drawn("1212"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"Dau.", Daughter}, {"Health", Recovery}, {"Come out", Release},
          {"Med.", Moderate}, {"Not found", NotFound}}}},
      {drawn("1111"), drawn("2121"), {{
          {"Med.", Moderate}, {"Evil", Evil}, {"Med.", Moderate}, {"Evil", Evil},
          {"Evil", Evil}, {"Son", Son}, {"Health", Recovery}, {"Come out", Release},
          {"Med.", Moderate}, {"Not found", NotFound}}}},
      {drawn("2112"), drawn("1122"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"5", ByHouse, 5}, {"Death", Death}, {"Out in the end", LateRelease},
          {"Evil", Evil}, {"Part found", PartFound}}}},
      {drawn("1221"), drawn("2211"), {{
          {"Evil", Evil}, {"Med.", Moderate}, {"Evil", Evil}, {"Med.", Moderate},
          {"Evil", Evil}, {"5", ByHouse, 5}, {"Health", Recovery}, {"Die there", DiesThere},
          {"Not begun", Evil}, {"Part found", PartFound}}}},
    }}},
    // Left Witness Conjunctio, p. 152
    {drawn("2112"), 152, {{
      {drawn("2121"), drawn("2211"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Son", Son}, {"Long & pining", Danger}, {"Long time", Held}, {"Slow", Moderate},
          {"Found", Found}}}},
      {drawn("1212"), drawn("1122"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Evil", Evil}, {"5", ByHouse, 5}, {"Death", Death}, {"Out with fear", Release},
          {"Med.", Moderate}, {"Found", Found}}}},
      {drawn("2112"), drawn("2222"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"5", ByHouse, 5}, {"Death", Death}, {"Perilous", Held},
          {"Good by Water", Good}, {"Not found", NotFound}}}},
      {drawn("2222"), drawn("2112"), {{
          {"Good", Good}, {"Good", Good}, {"V.good", VeryGood}, {"V.good", VeryGood},
          {"V.good", VeryGood}, {"Dau.", Daughter}, {"ASC.", ByHouse, 1}, {"Long", Held},
          {"Good", Good}, {"Found", Found}}}},
      {drawn("1111"), drawn("1221"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"5", ByHouse, 5}, {"ASC.", ByHouse, 1}, {"Good", Release}, {"Med.", Moderate},
          {"Not found", NotFound}}}},
      {drawn("2211"), drawn("2121"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Son", Son}, {"Health", Recovery}, {"Come out", Release}, {"Evil", Evil},
          {"Found", Found}}}},
      {drawn("1122"), drawn("1212"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Good", Good}, {"Dau.", Daughter}, {"Perilous", Danger}, {"Come out", Release},
          {"Slow", Moderate}, {"Not found", NotFound}}}},
      {drawn("1221"), drawn("1111"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Hard", Evil}, {"Med.", Moderate},
          {"Med.", Moderate}, {"Dau.", Daughter}, {"Hard", Danger}, {"Long", Held},
          {"Hard", Evil}, {"Found", Found}}}},
    }}},
    // Left Witness Carcer, p. 152
    {drawn("1221"), 152, {{
      {drawn("2222"), drawn("1221"), {{
          {"Good", Good}, {"Good", Good}, {"Evil", Evil}, {"Med.", Moderate}, {"Evil", Evil},
          {"Dau.", Daughter}, {"Health", Recovery}, {"Good end", Release}, {"Slow", Moderate},
          {"Found", Found}}}},
      {drawn("1111"), drawn("2112"), {{
          {"Med.", Moderate}, {"Evil", Evil}, {"Med.", Moderate}, {"Evil", Evil},
          {"Med.", Moderate}, {"5", ByHouse, 5}, {"Health", Recovery}, {"Soon out", Release},
          {"Good", Good}, {"Little found", PartFound}}}},
      {drawn("2121"), drawn("1122"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Son", Son}, {"Health", Recovery}, {"Late out", LateRelease}, {"Slow", Moderate},
          {"Part found", PartFound}}}},
      {drawn("1212"), drawn("2211"), {{
          {"Good", Good}, {"Med.", Moderate}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Dau.", Daughter}, {"Health", Recovery}, {"Come out", Release}, {"Slow", Moderate},
          {"Part found", PartFound}}}},
      {drawn("2211"), drawn("1212"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"5", ByHouse, 5}, {"Health", Recovery}, {"Come out", Release},
          {"Slow", Moderate}, {"Part found", PartFound}}}},
      {drawn("1122"), drawn("2121"), {{
          {"Suffic'nt", Moderate}, {"Suffic'nt", Moderate}, {"Med.", Moderate},
          {"Suffic'nt", Moderate}, {"Suffic'nt", Moderate}, {"5", ByHouse, 5},
          {"Health", Recovery}, {"Come out", Release}, {"Slow", Moderate},
          {"Not found", NotFound}}}},
      {drawn("1221"), drawn("2222"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Med.", Moderate}, {"Evil", Evil},
          {"5", ByHouse, 5}, {"Perilous", Danger}, {"Evil", Held}, {"Difficult", Evil},
          {"Not found", NotFound}}}},
      {drawn("2112"), drawn("1111"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Good", Good},
          {"Good", Good}, {"Dau.", Daughter}, {"Dangerous", Danger},
          {"Late out", LateRelease}, {"Evil", Evil}, {"Be found", Found}}}},
    }}},
    // Left Witness Fortuna Minor, p. 153
    {drawn("1122"), 153, {{
      {drawn("2211"), drawn("1111"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"5", ByHouse, 5}, {"Health", Recovery}, {"Come out", Release}, {"Good", Good},
          {"Found", Found}}}},
      {drawn("2112"), drawn("1212"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"5", ByHouse, 5}, {"Death", Death}, {"Come out", Release},
          {"Med.", Moderate}, {"Found", Found}}}},
      {drawn("1122"), drawn("2222"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"5", ByHouse, 5}, {"Health", Recovery}, {"Hard prison", Held},
          {"Good", Good}, {"Part found", PartFound}}}},
      {drawn("2121"), drawn("1221"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Good", Good},
          {"Son", Son}, {"Health", Recovery}, {"Long in prison", Held}, {"Late good", Good},
          {"Found", Found}}}},
      {drawn("1212"), drawn("2112"), {{
          {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil}, {"Evil", Evil},
          {"Dau.", Daughter}, {"ASC.", ByHouse, 1}, {"Come out", Release}, {"Good", Good},
          {"Not found", NotFound}}}},
      {drawn("1111"), drawn("2211"), {{
          {"Med.", Moderate}, {"Evil", Evil}, {"Med.", Moderate}, {"Med.", Moderate},
          {"Med.", Moderate}, {"Son", Son}, {"Health", Recovery}, {"Sorrow", Held},
          {"Med.", Moderate}, {"Not found", NotFound}}}},
      {drawn("2222"), drawn("1122"), {{
          {"Good", Good}, {"Good", Good}, {"Good", Good}, {"Evil", Evil}, {"Evil", Evil},
          {"Dau.", Daughter}, {"Health quickly", Recovery}, {"Come out", Release},
          {"Med.", Moderate}, {"Not found", NotFound}}}},
      {drawn("1221"), drawn("2121"), {{
          {"Med.", Moderate}, {"Med.", Moderate}, {"Evil", Evil}, {"Med.", Moderate},
          {"Med.", Moderate}, {"Dau.", Daughter}, {"Perilous", Danger}, {"Die", DiesThere},
          {"Evil", Evil}, {"Found", Found}}}},
    }}},
}};
// clang-format on

struct NamedAnswer {
  Leaning leaning;
  unsigned heads;  // bit t for each topic t that gives it
};

constexpr unsigned kVerdictHeads = 1u << 0 | 1u << 1 | 1u << 2 | 1u << 3 | 1u << 4 | 1u << 8;
constexpr unsigned kEveryHead = (1u << geomancy::kTopicCount) - 1;
constexpr unsigned headBit(geomancy::Topic topic) {
  return 1u << static_cast<unsigned>(topic);
}

constexpr std::array<NamedAnswer, 20> kAnswers{{
    {Leaning::For, kVerdictHeads},
    {Leaning::For, kVerdictHeads},
    {Leaning::Neither, kVerdictHeads},
    {Leaning::Against, kVerdictHeads},
    {Leaning::Against, kVerdictHeads},
    {Leaning::Neither, headBit(geomancy::Topic::Child)},
    {Leaning::Neither, headBit(geomancy::Topic::Child)},
    {Leaning::For, headBit(geomancy::Topic::Sickness)},
    {Leaning::Against, headBit(geomancy::Topic::Sickness)},
    {Leaning::Against, headBit(geomancy::Topic::Sickness)},
    {Leaning::For, headBit(geomancy::Topic::Prison)},
    {Leaning::For, headBit(geomancy::Topic::Prison)},
    {Leaning::Against, headBit(geomancy::Topic::Prison)},
    {Leaning::Against, headBit(geomancy::Topic::Prison)},
    {Leaning::Neither, headBit(geomancy::Topic::Prison)},
    {Leaning::For, headBit(geomancy::Topic::Lost)},
    {Leaning::Neither, headBit(geomancy::Topic::Lost)},
    {Leaning::Against, headBit(geomancy::Topic::Lost)},
    {Leaning::Neither, kEveryHead},
    {Leaning::Neither, kEveryHead},
}};

const NamedAnswer& answerRow(Answer answer) {
  return kAnswers[static_cast<std::size_t>(answer)];
}

// The column of each Left Witness and Judge: [left][judge], the block and column as one number.
struct ColumnIndex {
  std::array<std::array<std::uint8_t, geomancy::kMaskCount>, geomancy::kMaskCount> at{};
};
constexpr ColumnIndex kColumnIndex = [] {
  ColumnIndex index;
  for (std::size_t block = 0; block < kBlocks.size(); ++block) {
    for (std::size_t column = 0; column < 8; ++column) {
      index.at[kBlocks[block].left][kBlocks[block].columns[column].judge] =
          static_cast<std::uint8_t>(block * 8 + column);
    }
  }
  return index;
}();

}  // namespace

Leaning leaningOf(Answer answer) noexcept {
  return answerRow(answer).leaning;
}

bool answers(geomancy::Topic topic, Answer answer) noexcept {
  return (answerRow(answer).heads & headBit(topic)) != 0;
}

const std::array<WitnessBlock, 16>& witnessBlocks() noexcept {
  return kBlocks;
}

WitnessesFound witnessesOf(geomancy::FigureMask right, geomancy::FigureMask left) noexcept {
  const std::uint8_t at = kColumnIndex.at[left & 0xF][geomancy::addMasks(right, left) & 0xF];
  const WitnessBlock& block = kBlocks[at / 8];
  return {&block, &block.columns[at % 8]};
}

std::size_t columnNumber(const WitnessesFound& found) noexcept {
  return static_cast<std::size_t>(found.block - kBlocks.data()) * 8 +
         static_cast<std::size_t>(found.column - found.block->columns.data());
}

}  // namespace handbook
