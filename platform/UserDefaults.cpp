#include "UserDefaults.h"

std::unique_ptr<QSettings> openUserDefaults()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("HitBlow"),
                                       QStringLiteral("HitBlow"));
}
