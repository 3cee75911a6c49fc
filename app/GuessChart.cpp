#include "GuessChart.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {
// Where the module may be, relative to the program: beside it, in the build folder above the
// tests and benchmarks, and where the installation puts it.
QStringList moduleFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, programFolder + QStringLiteral("/.."),
            programFolder + QStringLiteral("/" HITBLOW_CHART_MODULE_FROM_PROGRAM)};
}

GuessChartFactory loadFactory()
{
    QString failures;
    for (const QString &folder : moduleFolders()) {
        QLibrary module(QDir(folder).filePath(QStringLiteral("hitblow_chart")));
        if (auto factory = reinterpret_cast<GuessChartFactory>(module.resolve(HITBLOW_GUESS_CHART_FACTORY)))
            return factory;
        failures += QStringLiteral("\n  ") + module.errorString();
    }
    qWarning("The chart of the statistics cannot be shown:%s", qPrintable(failures));
    return nullptr;
}
} // namespace

GuessChart *GuessChart::create(const Texts &texts, QWidget *parent)
{
    // Loaded once and kept for the rest of the run, like any library.
    static const GuessChartFactory factory = loadFactory();
    return factory ? factory(texts, parent) : nullptr;
}
