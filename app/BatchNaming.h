#pragma once

#include <QString>
#include <cstdint>

// The file name of run `run` of a batch: the tag "<setting>_<playCount>_<run>" goes in front
// of the first "." of the whole chosen path, or in front of the whole path when it has none.
// "/sim/run.sim", 4, 1000, 2 gives "/sim/run4_1000_2.sim".
QString BatchFileName(const QString& chosen, int32_t setting, int32_t playCount, int32_t run);
