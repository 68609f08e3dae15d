#include "chart/core/Teeconst.h"

#include "chart/core/Teeproco.h"

#include <array>

#define TEE_DEFINE_MESSAGE(name, text) QString name;
TEECONST_MESSAGES(TEE_DEFINE_MESSAGE)
#undef TEE_DEFINE_MESSAGE

int32_t TeeLanguage = 0;
int32_t TeeEnglishLanguage = 0;
bool TeeLanguageHotKeyAtEnd = false;
bool TeeLanguageCanUpper = true;

namespace {

#define TEE_MESSAGE_ENTRY(name, text) TTeeMessageEntry{#name, &name, text},
const std::array messageTable{TEECONST_MESSAGES(TEE_MESSAGE_ENTRY)};
#undef TEE_MESSAGE_ENTRY

int startCount = 0;

} // namespace

std::span<const TTeeMessageEntry> TeeconstMessages()
{
    return messageTable;
}

void TeeSetConstants()
{
    for (const TTeeMessageEntry& entry : messageTable)
        *entry.Variable = QString::fromUtf8(entry.EnglishText);
}

void TeeSetEnglish()
{
    TeeLanguage = TeeEnglishLanguage;
    TeeSetConstants();
    TeeSetProcoConstants();
    TeeLanguageHotKeyAtEnd = false;
    TeeLanguageCanUpper = true;
}

void TeeconstInitialize()
{
    if (startCount++ == 0)
        TeeSetConstants();
}

void TeeconstFinalize()
{
    if (startCount == 0)
        return;
    if (--startCount == 0) {
        for (const TTeeMessageEntry& entry : messageTable)
            *entry.Variable = QString();
    }
}
