// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QRect;
class QWidget;

// The program's shared look: its colours, its fonts and its windows' title.
namespace look {

inline const QString kWindowTitle = QStringLiteral("QX Geomancy v1.0");

inline constexpr QColor kDarkGrey{58, 58, 58};
inline constexpr QColor kLightOrange{255, 192, 128};
inline constexpr QColor kLightGrey{192, 192, 192};
inline constexpr QColor kBlue{0, 0, 255};
inline constexpr QColor kRed{255, 0, 0};
inline constexpr QColor kWhite{255, 255, 255};

enum class Weight { Regular, Bold };
enum class Underline { No, Yes };

// Verdana at the given point size where it is installed, otherwise the closest sans face.
[[nodiscard]] QFont verdana(double points, Weight weight = Weight::Regular,
                            Underline underline = Underline::No);

// A label of plain text with its objectName and geometry, wrapping its words from the top left,
// made a child of `parent`.
[[nodiscard]] QLabel* createTextLabel(QWidget& parent, const char* objectName, const QString& text,
                                      const QRect& geometry);

// Moves the window to the middle of the screen it is on.
void centreOnScreen(QWidget& window);

// Paints the widget's own background in `background` and its text in `text`.
void setColours(QWidget& widget, const QColor& background, const QColor& text);
void setTextColour(QWidget& widget, const QColor& text);

// Whether the widget's text shows whole in its box: a word-wrapped label in its height, any
// other widget in its width.
[[nodiscard]] bool textFits(const QWidget& widget);

// Steps the widget's font down a quarter point at a time until its text fits its box. The boxes
// were made for Verdana; where a wider face stands in for it, the text stays whole rather than
// being cut. A text that fits is left as it is.
void shrinkToFit(QWidget& widget);

// A caption as a label shows it: "&&" stands for one literal "&". The program's labels have no
// access keys, so a single "&" is kept as it is.
[[nodiscard]] QString labelCaption(const QString& caption);

}  // namespace look
