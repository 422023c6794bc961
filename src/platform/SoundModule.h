#pragma once

#include "platform/SoundOutput.h"

#include <QStringList>

#include <memory>

// The output of the first of folders that holds the sound module, or none
// when none does (or what is there is no such module). The module stays
// loaded for the rest of the run.
std::unique_ptr<SoundOutput> loadSoundOutput(const QStringList &folders);
