#include "StrengthDescription.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

#include <algorithm>

namespace StrengthDescription {

QString forLevel(int level)
{
    switch (level) {
    case 0:
        return QCoreApplication::translate("StrengthDescription",
                                           "Mac only counts how many of its digits each score shares.");
    case 1:
        return QCoreApplication::translate("StrengthDescription",
                                           "Mac keeps only the numbers that give each score exactly.");
    case 2:
        return QCoreApplication::translate("StrengthDescription",
                                           "Mac also weighs each score against its earlier ones.");
    case 3:
        return QCoreApplication::translate("StrengthDescription",
                                           "Mac plans every guess ahead and needs at most seven guesses.");
    default:
        return {};
    }
}

void follow(QComboBox *popup, QLabel *label)
{
    if (!popup || !label)
        return;
    // As wide as the longest description, so that the window keeps its size while one chooses.
    int widest = 0;
    for (int level = 0; level < popup->count(); ++level)
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(forLevel(level)));
    label->setMinimumWidth(widest);
    const auto describe = [label](int level) { label->setText(forLevel(level)); };
    QObject::connect(popup, &QComboBox::currentIndexChanged, label, describe);
    describe(popup->currentIndex());
}

} // namespace StrengthDescription
