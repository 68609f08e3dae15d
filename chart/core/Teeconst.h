#pragma once

// Message unit of the chart library: every text the chart shows or uses as a default.
// Code reads a variable at the moment it needs the text, so assigning a variable changes
// what the chart shows from then on.

#include <QString>
#include <cstdint>
#include <span>

#include "chart/core/TeeconstTable.h"

#define TEE_DECLARE_MESSAGE(name, text) extern QString name;
TEECONST_MESSAGES(TEE_DECLARE_MESSAGE)
#undef TEE_DECLARE_MESSAGE

// Language state; only TeeSetEnglish writes it.
extern int32_t TeeLanguage;
extern int32_t TeeEnglishLanguage;
extern bool TeeLanguageHotKeyAtEnd;
extern bool TeeLanguageCanUpper;

// Assigns every Teeconst variable its English text.
void TeeSetConstants();
// Restores English in both message units (Teeconst and Teeproco).
void TeeSetEnglish();

// One message variable with its English text, for tools that walk the whole table.
struct TTeeMessageEntry
{
    const char* Name;
    QString* Variable;
    const char* EnglishText; // UTF-8
};
std::span<const TTeeMessageEntry> TeeconstMessages();

// Unit start-up and finish; only the first start-up assigns the texts and only the last
// finish releases them.
void TeeconstInitialize();
void TeeconstFinalize();
