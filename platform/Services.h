// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Alert;
class RandomSource;
class Scheduler;
class SoundPlayer;

// The platform services the game's classes use, handed to each at construction. The application
// passes the Qt implementations; unit tests pass fakes.
struct Services {
    Scheduler &scheduler;
    SoundPlayer &sounds;
    Alert &alert;
    RandomSource &random;
};
