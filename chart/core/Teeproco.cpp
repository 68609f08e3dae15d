#include "chart/core/Teeproco.h"

#include <array>

#define TEE_DEFINE_MESSAGE(name, text) QString name;
TEEPROCO_MESSAGES(TEE_DEFINE_MESSAGE)
namespace Teeproco {
TEEPROCO_OWN_MESSAGES(TEE_DEFINE_MESSAGE)
}
#undef TEE_DEFINE_MESSAGE

namespace {

#define TEE_MESSAGE_ENTRY(name, text) TTeeMessageEntry{#name, &name, text},
#define TEE_OWN_MESSAGE_ENTRY(name, text) TTeeMessageEntry{#name, &Teeproco::name, text},
const std::array messageTable{TEEPROCO_MESSAGES(TEE_MESSAGE_ENTRY) TEEPROCO_OWN_MESSAGES(TEE_OWN_MESSAGE_ENTRY)};
#undef TEE_MESSAGE_ENTRY
#undef TEE_OWN_MESSAGE_ENTRY

int startCount = 0;

} // namespace

std::span<const TTeeMessageEntry> TeeprocoMessages()
{
    return messageTable;
}

void TeeSetProcoConstants()
{
    for (const TTeeMessageEntry& entry : messageTable)
        *entry.Variable = QString::fromUtf8(entry.EnglishText);
}

void TeeprocoInitialize()
{
    if (startCount++ == 0)
        TeeSetProcoConstants();
}

void TeeprocoFinalize()
{
    if (startCount == 0)
        return;
    if (--startCount == 0) {
        for (const TTeeMessageEntry& entry : messageTable)
            *entry.Variable = QString();
    }
}
