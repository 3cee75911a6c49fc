#include "StrengthDescription.h"

#include "access/LiveAnnouncer.h"

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
    auto *announcer = new LiveAnnouncer(popup);
    const auto describe = [popup, label, announcer](int level) {
        label->setText(forLevel(level));
        // Screen readers read the line with the popup; when the user changes the strength, the
        // strength chosen and its line are said, as the popup's own change goes unspoken.
        popup->setAccessibleDescription(forLevel(level));
        if (popup->hasFocus()) {
            //: The strength chosen, then what it does, spoken by a screen reader.
            announcer->announce(QCoreApplication::translate("StrengthDescription", "%1: %2")
                                    .arg(popup->itemText(level), forLevel(level)));
        }
    };
    QObject::connect(popup, &QComboBox::currentIndexChanged, label, describe);
    describe(popup->currentIndex());
}

} // namespace StrengthDescription
