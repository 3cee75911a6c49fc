// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class StatisticsStore;

// The statistics file that earlier versions kept, statistics.json beside the database, taken into
// the database once. Every valid entry of every "matches" array goes in, in the same transaction
// as the renaming of the file to statistics.json.imported, so that two games starting together
// import it once and a failed write leaves the file to be imported at the next start. Invalid
// entries are counted, not imported; they stay in the renamed file with everything else in it.
// The file is read as the matches go in, never held whole.
class StatisticsImport
{
public:
    enum class Outcome {
        NoFile,
        Imported,
        // Not statistics at all: renamed aside with the suffix ".corrupt".
        Unreadable,
        // Not a regular file, or one far too large: left as it is.
        Refused,
        // The database could not take the matches: the file stays for the next start.
        Failed,
    };
    struct Report {
        Outcome outcome = Outcome::NoFile;
        int imported = 0;
        int invalid = 0;
        // Where the file went (Imported, Unreadable).
        QString keptAs;
        QString detail;
    };

    static Report run(StatisticsStore &store, const QString &jsonPath);
};
