#pragma once

#include <QString>

class QComboBox;
class QLabel;

// The line under the strength popup of the preferences that tells what the selected strength does.
namespace StrengthDescription {

// The translated description of a strength level; an empty text for a level the popup lacks.
QString forLevel(int level);

// Keeps label describing the popup's selected level from now on.
void follow(QComboBox *popup, QLabel *label);

} // namespace StrengthDescription
