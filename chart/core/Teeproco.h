#pragma once

// Second message unit: texts of further series types, functions, tools, export formats and
// the interactive chart commands.

#include <QString>
#include <span>

#include "chart/core/Teeconst.h"
#include "chart/core/TeeprocoTable.h"

#define TEE_DECLARE_MESSAGE(name, text) extern QString name;
TEEPROCO_MESSAGES(TEE_DECLARE_MESSAGE)
#undef TEE_DECLARE_MESSAGE

// Both units declare these names; the Teeproco copies are reached qualified.
namespace Teeproco {
#define TEE_DECLARE_MESSAGE(name, text) extern QString name;
TEEPROCO_OWN_MESSAGES(TEE_DECLARE_MESSAGE)
#undef TEE_DECLARE_MESSAGE
}

// Assigns every Teeproco variable its English text.
void TeeSetProcoConstants();

std::span<const TTeeMessageEntry> TeeprocoMessages();

void TeeprocoInitialize();
void TeeprocoFinalize();
