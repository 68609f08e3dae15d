#pragma once

#include <QString>
#include <cstdint>

// The file name of run `run` of a batch: the tag "<setting>_<playCount>_<run>" goes into the
// file's own name, in front of its first ".", or at its end when it has none; the folder of
// the chosen path stays as it is, dots and all.
// "/sim/run.sim", 4, 1000, 2 gives "/sim/run4_1000_2.sim"; "/home/j.smith/run" gives
// "/home/j.smith/run4_1000_2".
QString BatchFileName(const QString& chosen, int32_t setting, int32_t playCount, int32_t run);
