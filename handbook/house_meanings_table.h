// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "house_meanings.h"

// Chapter V as constant data, for the handbook's own sources that work tables out of it when
// compiled; everyone else reads it through house_meanings.h.
namespace handbook::detail {

using enum Matter;
using enum Naming;
using enum Verdict;

// As printed, figure by figure: the general line, then houses 1 to 12, each with how the program
// reads it and what it says of it. The comments give the reasons for readings the cell leaves
// open.
// clang-format off
inline constexpr std::array<FigureMeanings, 16> kMeanings{{
    // Acquisitio, p. 154
    {drawn("2121"), "ACQUISITIO", 154, Nature::Good,
     // Verdict good: the line judges only profit, and its tone is wholly favourable.
      {"Generally very good for profit or gain",
       Good, {{{Signifies, Gain, VeryGood}}}, 1, 0,
       "A figure of increase, strongly favourable wherever profit is the aim."},
     {{
      {"Happy success in all things",
       VeryGood, {{}}, 0, 0,
       "Everything asked about turns out well and happily."},
      {"Very prosperous",
       VeryGood, {{}}, 0, 0,
       "Wealth and prosperity come in great measure."},
      {"Favour and riches",
       Good, {{{Signifies, Favour, Good}, {Signifies, Money, Good}}}, 2, 0,
       "Brings goodwill from others, and wealth."},
      {"Good fortune and success",
       Good, {{}}, 0, 0,
       "Luck runs well and the matter succeeds."},
      {"Good success",
       Good, {{}}, 0, 0,
       "Things work out well."},
      {"Good, esp. agreeing with 5th",
       Good, {{}}, 0, 5,
       "Favourable, and more so when the figure in the fifth house agrees with it."},
      {"Reasonably good",
       Moderate, {{}}, 0, 0,
       "Fairly favourable."},
      {"Rather good, not very, the sick die",
       Moderate, {{{Signifies, Health, VeryEvil}}}, 1, 0,
       "Somewhat favourable but not greatly so, and an ill person will not recover."},
      {"Good in all",
       Good, {{}}, 0, 0,
       "Favourable to whatever is asked."},
      // suits is named as a matter that goes well, below the general very good, so signifies
      // rather than especially.
      {"Good in suits, very prosperous",
       VeryGood, {{{Signifies, Suits, Good}}}, 1, 0,
       "Lawsuits go well, and fortune in general is strongly favourable."},
      {"Good in all",
       Good, {{}}, 0, 0,
       "Favourable to whatever is asked."},
      // pain has no matter of its own, taken as sadness as the nearest.
      {"Evil, pain, and loss",
       Evil, {{{Signifies, Sadness, Evil}, {Signifies, Loss, Evil}}}, 2, 0,
       "Unfavourable, bringing suffering and loss."}
     }}},
    // Fortuna Minor, p. 154
    {drawn("1122"), "FORTUNA MINOR", 154, Nature::Good,
     // Verdict good: the line praises quick action and warns of nothing.
      {"Good in any matter where a person wishes to proceed quickly",
       Good, {{{Signifies, Speed, Good}}}, 1, 0,
       "Helpful in any affair that has to be carried through swiftly."},
     {{
      // Verdict good: the cell promises quick success and warns only of temper.
      {"Speed in victory or love; but choleric",
       Good, {{{Signifies, Speed, Good}, {Signifies, Victory, Good},
         {Signifies, Love, Good}, {Signifies, Anger, Evil}}}, 4, 0,
       "Quick success in winning a contest or in love, though tempers run hot."},
      {"Very good",
       VeryGood, {{}}, 0, 0,
       "Strongly favourable."},
      {"Good, but wrathful",
       Good, {{{Signifies, Anger, Evil}}}, 1, 0,
       "Favourable, though anger runs high."},
      {"Haste, rather evil, exc. for peace",
       Evil, {{{Signifies, Speed, Evil}, {Except, Peace, Good}}}, 2, 0,
       "Matters are rushed and tend to go badly, though peace-making is favoured."},
      {"Good in all",
       Good, {{}}, 0, 0,
       "Favourable to whatever is asked."},
      {"Medium in all",
       Moderate, {{}}, 0, 0,
       "Middling for every question."},
      {"Evil, exc. for war or love",
       Evil, {{{Except, War, Good}, {Except, Love, Good}}}, 2, 0,
       "Unfavourable for most things, yet helpful in fighting and in love."},
      {"Evil generally",
       Evil, {{}}, 0, 0,
       "Unfavourable on the whole."},
      {"Good, but chloeric",
       Good, {{{Signifies, Anger, Evil}}}, 1, 0,
       "Favourable, though tempers flare."},
      {"Good, exc. for peace",
       Good, {{{Except, Peace, Evil}}}, 1, 0,
       "Favourable, except for attempts at making peace."},
      {"Good, esp. for love",
       Good, {{{Especially, Love, VeryGood}}}, 1, 0,
       "Favourable, and most of all in love."},
      {"Good, exc. for alteration or serving another",
       Good, {{{Except, Change, Evil}}}, 1, 0,
       "Favourable, except for changes or for entering the service of another."}
     }}},
    // Amissio, p. 154
    {drawn("1212"), "AMISSIO", 154, Nature::Evil,
     // Verdict evil: the line favours only loss and, at times, love, and is very bad for gain.
      {"Gd for loss of substance, and sometimes for love, but v. bad for gain",
       Evil, {{{Signifies, Loss, Good}, {Except, Love, Moderate},
         {Especially, Gain, VeryEvil}}}, 3, 0,
       "Very harmful to profit, though it suits giving things up and, now and then, love."},
     {{
      {"Ill in all but for prisoners",
       Evil, {{{Except, Prison, Good}}}, 1, 0,
       "Unfavourable throughout, except for anyone held captive."},
      // Verdict evil: only love is favoured and money is harmed strongly, so other matters are
      // taken as evil.
      {"V.evil for money, good for love",
       Evil, {{{Especially, Money, VeryEvil}, {Except, Love, Good}}}, 2, 0,
       "Very bad for wealth, though favourable for love."},
      {"Ill end, exc. in quarrels",
       Evil, {{{Except, Quarrels, Good}}}, 1, 0,
       "Things end badly, except in disputes."},
      {"Ill in all",
       Evil, {{}}, 0, 0,
       "Unfavourable for every question."},
      {"Evil, exc. for agriculture",
       Evil, {{{Except, Agriculture, Good}}}, 1, 0,
       "Unfavourable, except for farming."},
      {"Rather evil, exc. for love",
       Evil, {{{Except, Love, Good}}}, 1, 0,
       "Somewhat unfavourable, but not where love is concerned."},
      {"V.good for love, otherwise evil",
       Evil, {{{Except, Love, VeryGood}}}, 1, 0,
       "Excellent for love, unfavourable for anything else."},
      {"Excellent in all questions",
       VeryGood, {{}}, 0, 0,
       "Outstanding whatever is asked."},
      {"Evil in all",
       Evil, {{}}, 0, 0,
       "Bad for everything asked."},
      {"Evil, exc. for women's favour",
       Evil, {{{Except, Women, Good}}}, 1, 0,
       "Unfavourable, except for winning the goodwill of women."},
      {"Good for love, otherwise bad",
       Evil, {{{Except, Love, Good}}}, 1, 0,
       "Favourable in love, unfavourable in all else."},
      {"Evil in all",
       Evil, {{}}, 0, 0,
       "Bad for everything asked."}
     }}},
    // Laetitia, p. 154
    {drawn("1222"), "LETITIA", 154, Nature::Good,
     // Verdict good: the line speaks only of joy and its tone is wholly favourable.
      {"Good for joy, present or to come",
       Good, {{{Signifies, Joy, Good}}}, 1, 0,
       "Brings happiness, now or in the future."},
     {{
      {"Good exc. in war",
       Good, {{{Except, War, Evil}}}, 1, 0,
       "Favourable, except in warfare."},
      {"Sickly",
       Evil, {{{Signifies, Health, Evil}}}, 1, 0,
       "Points to poor health and weakness."},
      {"Ill",
       Evil, {{}}, 0, 0,
       "Unfavourable."},
      {"Meanly good",
       Moderate, {{}}, 0, 0,
       "Only modestly favourable."},
      {"Excellently good",
       VeryGood, {{}}, 0, 0,
       "Outstandingly favourable."},
      {"Evil generally",
       Evil, {{}}, 0, 0,
       "Unfavourable on the whole."},
      {"Indifferent",
       Moderate, {{}}, 0, 0,
       "Neither favourable nor unfavourable."},
      {"Evil generally",
       Evil, {{}}, 0, 0,
       "Unfavourable on the whole."},
      {"Very good",
       VeryGood, {{}}, 0, 0,
       "Strongly favourable."},
      // war marked as the stronger case and peace as the weaker, since the cell only ranks them.
      {"Good rather in war than in peace",
       Good, {{{Especially, War, VeryGood}, {Except, Peace, Moderate}}}, 2, 0,
       "Favourable, more so for conflict than for making peace."},
      {"Good in all",
       Good, {{}}, 0, 0,
       "Favourable to whatever is asked."},
      {"Evil generally",
       Evil, {{}}, 0, 0,
       "Unfavourable on the whole."}
     }}},
    // Fortuna Major, p. 154
    {drawn("2211"), "FORTUNA MAJOR", 154, Nature::Good,
     // Verdict good: the line speaks only of hoped-for gain and its tone is wholly favourable.
      {"Good for gain in things where a person has hopes to win",
       Good, {{{Signifies, Gain, Good}}}, 1, 0,
       "Favours profit wherever the querent is hoping to come out ahead."},
     {{
      {"Good, save in secrecy",
       Good, {{{Except, Secrecy, Evil}}}, 1, 0,
       "Favourable, except in hidden or secret affairs."},
      {"Good, save in sad things",
       Good, {{{Except, Sadness, Evil}}}, 1, 0,
       "Favourable, except in sorrowful matters."},
      {"Good in all",
       Good, {{}}, 0, 0,
       "Favourable to whatever is asked."},
      {"Good in all but melancholy",
       Good, {{{Except, Sadness, Evil}}}, 1, 0,
       "Favourable, apart from questions of gloom and low spirits."},
      {"Very good in all",
       VeryGood, {{}}, 0, 0,
       "Strongly favourable for every question."},
      {"Very good, exc. for debauchery",
       VeryGood, {{{Except, Debauchery, Evil}}}, 1, 0,
       "Strongly favourable, but not for loose living."},
      {"Good in all",
       Good, {{}}, 0, 0,
       "Favourable to whatever is asked."},
      {"Moderately good",
       Moderate, {{}}, 0, 0,
       "Fairly favourable."},
      {"Very good",
       VeryGood, {{}}, 0, 0,
       "Strongly favourable."},
      {"Exceedingly good, to go to superiors",
       VeryGood, {{{Signifies, Superiors, VeryGood}}}, 1, 0,
       "Highly favourable, notably for approaching those in authority."},
      {"Very good",
       VeryGood, {{}}, 0, 0,
       "Strongly favourable."},
      {"Good in all",
       Good, {{}}, 0, 0,
       "Favourable to whatever is asked."}
     }}},
    // Tristitia, p. 154
    {drawn("2221"), "TRISTITIA", 154, Nature::Evil,
     {"Evil in almost all things",
       Evil, {{}}, 0, 0,
       "Unfavourable for nearly every matter."},
     {{
      {"Med., but good for treasure and fortiying",
       Moderate, {{{Except, Treasure, Good}, {Except, Fortification, Good}}}, 2, 0,
       "Middling, but helpful in seeking treasure and in building defences."},
      {"Med., but good to fortify",
       Moderate, {{{Except, Fortification, Good}}}, 1, 0,
       "Middling, but helpful for strengthening defences."},
      {"Evil in all",
       Evil, {{}}, 0, 0,
       "Bad for everything asked."},
      {"Evil in all",
       Evil, {{}}, 0, 0,
       "Bad for everything asked."},
      {"Very evil",
       VeryEvil, {{}}, 0, 0,
       "Gravely unfavourable."},
      {"Evil, exc. for debauchery",
       Evil, {{{Except, Debauchery, Good}}}, 1, 0,
       "Unfavourable, except for loose living."},
      {"Evil, but in secrecy good",
       Evil, {{{Except, Secrecy, Good}}}, 1, 0,
       "Unfavourable, though secret dealings go well."},
      {"Gd. for inheritance and magic only",
       Evil, {{{Only, Inheritance, Good}, {Only, Magic, Good}}}, 2, 0,
       "Favourable only for inheritances and magical work."},
      {"Evil, exc. for magic",
       Evil, {{{Except, Magic, Good}}}, 1, 0,
       "Unfavourable, except for magical work."},
      {"Evil, exc. for fortification",
       Evil, {{{Except, Fortification, Good}}}, 1, 0,
       "Unfavourable, except for building defences."},
      {"Evil in all",
       Evil, {{}}, 0, 0,
       "Bad for everything asked."},
      {"Evil, but good for magic and treasure",
       Evil, {{{Except, Magic, Good}, {Except, Treasure, Good}}}, 2, 0,
       "Unfavourable, yet it helps magical work and matters of treasure."}
     }}},
    // Puella, p. 155
    {drawn("1211"), "PUELLA", 155, Nature::Good,
     {"Good in all demands, especially those relating to women",
       Good, {{{Especially, Women, VeryGood}}}, 1, 0,
       "Favourable for every request, and above all for anything concerning women."},
     {{
      {"Good, exc. in war",
       Good, {{{Except, War, Evil}}}, 1, 0,
       "Favourable, except in warfare."},
      {"Very good",
       VeryGood, {{}}, 0, 0,
       "Strongly favourable."},
      {"Good",
       Good, {{}}, 0, 0,
       "Favourable."},
      {"But indifferent",
       Moderate, {{}}, 0, 0,
       "No better than middling."},
      // notice the aspects is a caution, not a matter, so named is empty.
      {"V.good, but notice the aspects",
       VeryGood, {{}}, 0, 0,
       "Strongly favourable, provided the aspects are taken into account."},
      {"Good, but esp. so for debauchery",
       Good, {{{Especially, Debauchery, VeryGood}}}, 1, 0,
       "Favourable, and most of all for loose living."},
      {"Good, exc. for war",
       Good, {{{Except, War, Evil}}}, 1, 0,
       "Favourable, except for war."},
      {"Good",
       Good, {{}}, 0, 0,
       "Favourable."},
      {"Good for music, otherwise medium",
       Moderate, {{{Except, Music, Good}}}, 1, 0,
       "Middling, except in music, where it is favourable."},
      // Verdict good: only a post is judged, rank is what this house is asked about, and the
      // figure is favourable in nearly every house.
      {"Good for place",
       Good, {{{Signifies, Place, Good}}}, 1, 0,
       "Favourable for gaining or holding a post."},
      {"Good, and love of ladies",
       Good, {{{Signifies, Women, Good}}}, 1, 0,
       "Favourable, with the affection of women."},
      {"Good in all",
       Good, {{}}, 0, 0,
       "Favourable to whatever is asked."}
     }}},
    // Albus, p. 155
    {drawn("2212"), "ALBUS", 155, Nature::Good,
     // Verdict good: the line names only profit and new undertakings, both favoured.
      {"Good for profit and for entering into a place of undertaking",
       Good, {{{Signifies, Gain, Good}, {Signifies, Place, Good}}}, 2, 0,
       "Helps both profit and the taking up of a new post or venture."},
     {{
      // Verdict good: both matters named are favoured. mercurial fits no matter in the list and
      // is left out of named.
      {"Good for marriage; mercurial; peace",
       Good, {{{Signifies, Marriage, Good}, {Signifies, Peace, Good}}}, 2, 0,
       "Favours marriage and peace, and carries the nature of Mercury."},
      {"Good in all",
       Good, {{}}, 0, 0,
       "Favourable to whatever is asked."},
      {"Very good",
       VeryGood, {{}}, 0, 0,
       "Strongly favourable."},
      {"Good, exc. in war",
       Good, {{{Except, War, Evil}}}, 1, 0,
       "Favourable, except in warfare."},
      {"Good",
       Good, {{}}, 0, 0,
       "Favourable."},
      {"Good in all",
       Good, {{}}, 0, 0,
       "Favourable to whatever is asked."},
      {"Good, exc. in war",
       Good, {{{Except, War, Evil}}}, 1, 0,
       "Favourable, except in warfare."},
      {"Good",
       Good, {{}}, 0, 0,
       "Favourable."},
      // Verdict good: the arrival of news is told without any warning, and the figure is
      // favourable in nearly every house.
      {"A messenger brings letters",
       Good, {{{Signifies, Letters, Good}}}, 1, 0,
       "Written news arrives by courier."},
      {"Excellent in all",
       VeryGood, {{}}, 0, 0,
       "Outstanding whatever is asked."},
      {"Very good",
       VeryGood, {{}}, 0, 0,
       "Strongly favourable."},
      {"Marvelously good",
       VeryGood, {{}}, 0, 0,
       "Wonderfully favourable."}
     }}},
    // Puer, p. 155
    {drawn("1121"), "PUER", 155, Nature::Evil,
     {"Evil in most demands, except those relating to war and love",
       Evil, {{{Except, War, Good}, {Except, Love, Good}}}, 2, 0,
       "Unfavourable for most questions, apart from fighting and love."},
     {{
      {"Indifferent; best in war",
       Moderate, {{{Especially, War, Good}}}, 1, 0,
       "Middling, and at its best in conflict."},
      // Verdict good: the outcome is called good and the trouble is only a qualification.
      {"Good, but with trouble",
       Good, {{}}, 0, 0,
       "Favourable, though it comes with difficulties."},
      {"Good fortune",
       Good, {{}}, 0, 0,
       "Luck runs well."},
      {"Evil, exc. in war and love",
       Evil, {{{Except, War, Good}, {Except, Love, Good}}}, 2, 0,
       "Unfavourable, except in fighting and in love."},
      {"Medium good",
       Moderate, {{}}, 0, 0,
       "Moderately favourable."},
      {"Medium",
       Moderate, {{}}, 0, 0,
       "Middling."},
      {"Evil, save in war",
       Evil, {{{Except, War, Good}}}, 1, 0,
       "Unfavourable, except in warfare."},
      {"Evil, exc. in love",
       Evil, {{{Except, Love, Good}}}, 1, 0,
       "Unfavourable, except in love."},
      {"Evil, exc. for war",
       Evil, {{{Except, War, Good}}}, 1, 0,
       "Unfavourable, except for war."},
      // Verdict moderate: the cell itself gives medium for all else, its opening rather evil is
      // kept in the sentence.
      {"Evil rather; good for love and war; else medium",
       Moderate, {{{Except, Love, Good}, {Except, War, Good}}}, 2, 0,
       "Leans to the bad, favours love and fighting, and is middling for all else."},
      {"Medium; good favour",
       Moderate, {{{Signifies, Favour, Good}}}, 1, 0,
       "Middling, though it wins the goodwill of others."},
      {"Very good in all",
       VeryGood, {{}}, 0, 0,
       "Strongly favourable for every question."}
     }}},
    // Conjunctio, p. 155
    {drawn("2112"), "CONJUNCTIO", 155, Nature::WithLike,
     // Verdict moderate: it is good beside good figures and evil beside evil ones, so it leans
      // neither way by itself.
      {"Good with good, and evil with evil Recovery of things lost",
       Moderate, {{{Signifies, ThingsLost, Good}}}, 1, 0,
       "Takes on the nature of the figures it meets, and helps lost things to be found."},
     {{
      // Verdict moderate: it follows the figures beside it and leans neither way by itself.
      {"Good with good, evil with evil",
       Moderate, {{}}, 0, 0,
       "Favourable beside favourable figures, unfavourable beside unfavourable ones."},
      {"Commonly good",
       Good, {{}}, 0, 0,
       "Usually favourable."},
      {"Good fortune",
       Good, {{}}, 0, 0,
       "Luck runs well."},
      {"Good, save for health. \"Cf.\" 8th House's figure",
       Good, {{{Except, Health, Evil}}}, 1, 8,
       "Favourable except for health, and compare the figure in the eighth house."},
      {"Medium",
       Moderate, {{}}, 0, 0,
       "Middling."},
      {"Good for immorality only",
       Evil, {{{Only, Debauchery, Good}}}, 1, 0,
       "Favourable only for loose living."},
      {"Rather good",
       Moderate, {{}}, 0, 0,
       "Somewhat favourable."},
      // death has no matter of its own, taken as health as the nearest.
      {"Evil, death",
       Evil, {{{Signifies, Health, VeryEvil}}}, 1, 0,
       "Unfavourable, and pointing to death."},
      {"Medium good",
       Moderate, {{}}, 0, 0,
       "Moderately favourable."},
      // Verdict moderate: only love and sickness are judged, one each way, so other matters are
      // taken as middling.
      {"For love good, for sickness evil",
       Moderate, {{{Except, Love, Good}, {Except, Health, Evil}}}, 2, 0,
       "Helps in love but is bad for anyone who is ill."},
      {"Good in all",
       Good, {{}}, 0, 0,
       "Favourable to whatever is asked."},
      {"Medium, bad for prisoners",
       Moderate, {{{Except, Prison, Evil}}}, 1, 0,
       "Middling, and bad for those in prison."}
     }}},
    // Rubeus, p. 155
    {drawn("2122"), "RUBEUS", 155, Nature::Evil,
     // Verdict evil: an honest question is harmed, so the figure is taken as evil in general.
      {"Evil in all that is good, and good in all that is evil",
       Evil, {{}}, 0, 0,
       "Works against every worthy aim and helps only harmful ones."},
     {{
      {"Destroy the figure",
       Destroy, {{}}, 0, 0,
       "The chart is not to be judged and must be cast again later."},
      {"Evil in all",
       Evil, {{}}, 0, 0,
       "Bad for everything asked."},
      {"Evil, exc. to let blood",
       Evil, {{{Except, BloodLetting, Good}}}, 1, 0,
       "Unfavourable, except for bloodletting as a treatment."},
      {"Evil, exc. in war and fire",
       Evil, {{{Except, War, Good}, {Except, Fire, Good}}}, 2, 0,
       "Unfavourable, except in warfare and matters of fire."},
      {"Evil, exc. for sowing seed",
       Evil, {{{Except, Agriculture, Good}}}, 1, 0,
       "Unfavourable, except for planting crops."},
      {"Evil, exc. for blood-letting",
       Evil, {{{Except, BloodLetting, Good}}}, 1, 0,
       "Unfavourable, though bloodletting goes well."},
      {"Evil, exc. for war and fire",
       Evil, {{{Except, War, Good}, {Except, Fire, Good}}}, 2, 0,
       "Unfavourable, except for fighting and work with fire."},
      {"Evil",
       Evil, {{}}, 0, 0,
       "Unfavourable."},
      {"Very evil",
       VeryEvil, {{}}, 0, 0,
       "Gravely unfavourable."},
      // Verdict evil: all three things named are disorderly, and the figure harms good aims in
      // general. Each named matter is marked evil for the same reason.
      {"Dissolute, love, fire",
       Evil, {{{Signifies, Debauchery, Evil}, {Signifies, Love, Evil},
         {Signifies, Fire, Evil}}}, 3, 0,
       "Points to loose living, passionate love and fire."},
      {"Evil, exc. for blood-letting",
       Evil, {{{Except, BloodLetting, Good}}}, 1, 0,
       "Unfavourable, though bloodletting goes well."},
      {"Evil in all",
       Evil, {{}}, 0, 0,
       "Bad for everything asked."}
     }}},
    // Carcer, p. 155
    {drawn("1221"), "CARCER", 155, Nature::Evil,
     {"General evil, delay, binding, stay, bar, restriction",
       Evil, {{}}, 0, 0,
       "Unfavourable in general, bringing hold-ups, constraint and obstruction."},
     {{
      {"Evil, exc. to fortify a place",
       Evil, {{{Except, Fortification, Good}}}, 1, 0,
       "Unfavourable, except for making a stronghold secure against attack."},
      {"Good in Saturnian questions, otherwise evil",
       Evil, {{{Except, Saturnian, Good}}}, 1, 0,
       "Unfavourable, except for questions of a Saturnine kind."},
      {"Evil",
       Evil, {{}}, 0, 0,
       "Unfavourable."},
      {"Good, only for melancholy",
       Evil, {{{Only, Sadness, Good}}}, 1, 0,
       "Favourable only in matters of gloom, unfavourable in all else."},
      // Verdict evil: the closing evil is taken to cover both the letter and the rest.
      {"Receive a letter in three days, evil",
       Evil, {{{Signifies, Letters, Evil}}}, 1, 0,
       "Written news arrives inside three days, and things look bad."},
      {"Very evil",
       VeryEvil, {{}}, 0, 0,
       "Gravely unfavourable."},
      {"Evil",
       Evil, {{}}, 0, 0,
       "Unfavourable."},
      {"Very evil",
       VeryEvil, {{}}, 0, 0,
       "Gravely unfavourable."},
      {"Evil in all",
       Evil, {{}}, 0, 0,
       "Bad for everything asked."},
      {"Evil, save for hid treasure",
       Evil, {{{Except, Treasure, Good}}}, 1, 0,
       "Unfavourable, except in the search for hidden treasure."},
      // anxiety has no matter of its own, taken as sadness as the nearest.
      {"Much anxiety",
       Evil, {{{Signifies, Sadness, Evil}}}, 1, 0,
       "Brings a great deal of worry."},
      {"Rather good",
       Moderate, {{}}, 0, 0,
       "Somewhat favourable."}
     }}},
    // Caput Draconis, p. 156
    {drawn("2111"), "CAPUT DRACONIS", 156, Nature::WithLike,
     // Verdict moderate: it is good beside good figures and evil beside evil ones, so it leans
      // neither way by itself.
      {"Good with good, evil with evil; gives a good issue for gain",
       Moderate, {{{Signifies, Gain, Good}}}, 1, 0,
       "Follows the nature of its companions, and brings a happy outcome for profit."},
     {{
      {"Good in all",
       Good, {{}}, 0, 0,
       "Favourable to whatever is asked."},
      {"Good",
       Good, {{}}, 0, 0,
       "Favourable."},
      {"Very good",
       VeryGood, {{}}, 0, 0,
       "Strongly favourable."},
      {"Good, save in war",
       Good, {{{Except, War, Evil}}}, 1, 0,
       "Favourable, except in warfare."},
      {"Very good",
       VeryGood, {{}}, 0, 0,
       "Strongly favourable."},
      {"Good for immorality only",
       Evil, {{{Only, Debauchery, Good}}}, 1, 0,
       "Favourable only for loose living."},
      {"Good, esp. for peace",
       Good, {{{Especially, Peace, VeryGood}}}, 1, 0,
       "Favourable, and most of all for peace."},
      {"Good",
       Good, {{}}, 0, 0,
       "Favourable."},
      {"Very good",
       VeryGood, {{}}, 0, 0,
       "Strongly favourable."},
      {"Good in all",
       Good, {{}}, 0, 0,
       "Favourable to whatever is asked."},
      // Verdict good: only church matters are judged, both favoured, and the figure is favourable
      // in nearly every house.
      {"Good for the Church and ecclesiastical gain",
       Good, {{{Signifies, Church, Good}, {Signifies, Gain, Good}}}, 2, 0,
       "Favourable for church matters and for profit from church office."},
      {"Not very good",
       Moderate, {{}}, 0, 0,
       "Only slightly favourable."}
     }}},
    // Via, p. 156
    {drawn("1111"), "VIA", 156, Nature::Evil,
     // Verdict evil: harming the other figures in general is read as evil.
      {"Injurious to the goodness of other figs. generally, but gd. for journeys & voyages",
       Evil, {{{Except, Journeys, Good}}}, 1, 0,
       "Generally spoils the favour of other figures, but helps travel by land and sea."},
     {{
      {"Evil;, exc. for prison",
       Evil, {{{Except, Prison, Good}}}, 1, 0,
       "Unfavourable, except in matters of imprisonment."},
      {"Indifferent",
       Moderate, {{}}, 0, 0,
       "Neither favourable nor unfavourable."},
      {"Very good in all",
       VeryGood, {{}}, 0, 0,
       "Strongly favourable for every question."},
      {"Good in all, save love",
       Good, {{{Except, Love, Evil}}}, 1, 0,
       "Favourable for any question apart from love."},
      // Verdict moderate: only voyages are judged, and the general line says the figure weakens
      // other matters.
      {"Voyages good",
       Moderate, {{{Signifies, Journeys, Good}}}, 1, 0,
       "Travel by sea goes well."},
      {"Evil",
       Evil, {{}}, 0, 0,
       "Unfavourable."},
      {"Rather good, esp. for voyages",
       Moderate, {{{Especially, Journeys, Good}}}, 1, 0,
       "Somewhat favourable, and more so for sea travel."},
      {"Evil",
       Evil, {{}}, 0, 0,
       "Unfavourable."},
      {"Indifferent; good for journeys",
       Moderate, {{{Except, Journeys, Good}}}, 1, 0,
       "Middling, though travel goes well."},
      {"Good",
       Good, {{}}, 0, 0,
       "Favourable."},
      {"Very good",
       VeryGood, {{}}, 0, 0,
       "Strongly favourable."},
      {"Excellent",
       VeryGood, {{}}, 0, 0,
       "Outstanding."}
     }}},
    // Cauda Draconis, p. 156
    {drawn("1112"), "CAUDA DRACONIS", 156, Nature::Contrary,
     // Verdict moderate: it is good beside evil figures and evil beside good ones, so it leans
      // neither way by itself. Passing out of an affair taken as conclusion.
      {"Good with evil, and evil with good; good for loss, and for passing out of an affair",
       Moderate, {{{Signifies, Loss, Good}, {Signifies, Conclusion, Good}}}, 2, 0,
       "Turns against the figures beside it, and helps in losing or in leaving a matter behind."},
     {{
      {"Destroy the figure",
       Destroy, {{}}, 0, 0,
       "The chart is not to be judged and must be cast again later."},
      {"Very evil",
       VeryEvil, {{}}, 0, 0,
       "Gravely unfavourable."},
      {"Evil in all",
       Evil, {{}}, 0, 0,
       "Bad for everything asked."},
      {"Good, esp. for conclusion of the matter",
       Good, {{{Especially, Conclusion, VeryGood}}}, 1, 0,
       "Favourable, and most of all for bringing an affair to its close."},
      {"Very evil",
       VeryEvil, {{}}, 0, 0,
       "Gravely unfavourable."},
      {"Rather good",
       Moderate, {{}}, 0, 0,
       "Somewhat favourable."},
      {"Evil, war, and fire",
       Evil, {{{Signifies, War, Evil}, {Signifies, Fire, Evil}}}, 2, 0,
       "Unfavourable, pointing to conflict and fire."},
      {"No good, exc. for magic",
       Evil, {{{Except, Magic, Good}}}, 1, 0,
       "Unfavourable, except for magical work."},
      // robbery has no matter of its own, taken as loss as the nearest. Journeys are singled out
      // as bad, so especially.
      {"Good for science only; bad for journeys; robbery",
       Evil, {{{Only, Science, Good}, {Especially, Journeys, Evil},
         {Signifies, Loss, Evil}}}, 3, 0,
       "Favourable only for learning, bad for travel, and points to theft."},
      {"Evil, save in works of fire",
       Evil, {{{Except, Fire, Good}}}, 1, 0,
       "Unfavourable, except for work done with fire."},
      {"Evil, save for favours",
       Evil, {{{Except, Favour, Good}}}, 1, 0,
       "Unfavourable, except for winning goodwill."},
      {"Rather good",
       Moderate, {{}}, 0, 0,
       "Somewhat favourable."}
     }}},
    // Populus, p. 156
    {drawn("2222"), "POPULUS", 156, Nature::WithLike,
     {"Sometimes good, sometimes bad; good with good, evil with evil",
       Moderate, {{}}, 0, 0,
       "Changeable, taking its colour from the figures it stands with."},
     {{
      // Verdict moderate: only marriage is judged, and the figure is neutral by nature, so other
      // matters are taken as middling.
      {"Good for marriage",
       Moderate, {{{Signifies, Marriage, Good}}}, 1, 0,
       "Marriage is favoured."},
      {"Medium good",
       Moderate, {{}}, 0, 0,
       "Moderately favourable."},
      {"Rather good than bad",
       Moderate, {{}}, 0, 0,
       "More favourable than not."},
      {"Good in all but love",
       Good, {{{Except, Love, Evil}}}, 1, 0,
       "Favourable for any question apart from love."},
      {"Good in most",
       Good, {{}}, 0, 0,
       "Favourable for most questions."},
      {"Good",
       Good, {{}}, 0, 0,
       "Favourable."},
      {"In war good, else medium",
       Moderate, {{{Except, War, Good}}}, 1, 0,
       "Middling, except in warfare, where it is favourable."},
      {"Evil",
       Evil, {{}}, 0, 0,
       "Unfavourable."},
      // Verdict moderate: only the coming of letters is told, and the figure is neutral by
      // nature, so other matters are taken as middling.
      {"Look for letters",
       Moderate, {{{Signifies, Letters, Good}}}, 1, 0,
       "Expect letters or written news to come."},
      {"Good",
       Good, {{}}, 0, 0,
       "Favourable."},
      {"Good in all",
       Good, {{}}, 0, 0,
       "Favourable to whatever is asked."},
      {"Very evil",
       VeryEvil, {{}}, 0, 0,
       "Gravely unfavourable."}
     }}},
}};
// clang-format on

constexpr std::uint64_t matters(std::initializer_list<Matter> list) {
  std::uint64_t bits = 0;
  for (const Matter matter : list) bits |= std::uint64_t{1} << static_cast<unsigned>(matter);
  return bits;
}

// The matters each topic takes in, by topic.
inline constexpr std::array<std::uint64_t, geomancy::kTopicCount> kConcerns{
    matters({}),                            // life
    matters({Money, Gain, Treasure}),       // money
    matters({Superiors, Place}),            // rank
    matters({Agriculture, Fortification}),  // property
    matters({Marriage, Love, Women}),       // marriage
    matters({}),                            // child
    matters({Health, BloodLetting}),        // sickness
    matters({Prison}),                      // prison
    matters({Journeys}),                    // journey
    matters({ThingsLost}),                  // lost
};

inline constexpr std::array<std::uint8_t, geomancy::kMaskCount> kOrderOfFigure = [] {
  std::array<std::uint8_t, geomancy::kMaskCount> orderOf{};
  for (std::size_t at = 0; at < kMeanings.size(); ++at) {
    orderOf[kMeanings[at].figure] = static_cast<std::uint8_t>(at);
  }
  return orderOf;
}();

constexpr const FigureMeanings& meaningsOf(geomancy::FigureMask figure) {
  return kMeanings[kOrderOfFigure[figure & (geomancy::kMaskCount - 1)]];
}

constexpr const HouseMeaning& meaningIn(geomancy::FigureMask figure, int house) {
  return meaningsOf(figure).houses[static_cast<std::size_t>(house - 1)];
}

constexpr bool concernsMatter(geomancy::Topic topic, Matter matter) {
  return (kConcerns[static_cast<std::size_t>(topic)] >> static_cast<unsigned>(matter)) & 1u;
}

constexpr Verdict verdictForTopic(const HouseMeaning& meaning,
                                  std::optional<geomancy::Topic> topic) {
  if (topic) {
    for (const NamedMatter& named : meaning) {
      if (concernsMatter(*topic, named.matter)) return named.verdict;
    }
  }
  return meaning.verdict;
}

}  // namespace handbook::detail
