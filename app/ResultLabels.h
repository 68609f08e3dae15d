#pragma once

#include <QString>
#include <cstdint>

// Label of a role code (column 6); empty for any code without one, -1 included.
QString RoleLabel(int32_t roleCode);
// Label of a mode (column 3): "通常" ... "BONUS"; empty for any other value.
QString ModeLabel(int32_t mode);
