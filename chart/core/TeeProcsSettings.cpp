#include "chart/core/TeeProcsSettings.h"

#include "chart/core/ColorPalette.h"
#include "chart/core/DateTimeSteps.h"
#include "chart/core/TeeBitmaps.h"
#include "chart/core/TextFields.h"

bool TeeCheckPenWidth = true;
bool TeeClipWhenPrinting = true;
bool TeeClipWhenMetafiling = true;
bool TeeEraseBack = false;
bool PrintTeePanel = false;

namespace {
int startCount = 0;
}

void TeeProcsInitialize()
{
    if (startCount++ != 0)
        return;
    ColorPaletteInitialize();
    TextFieldsInitialize();
    TeeSetScreenCursor(HandCursorId, TeeLoadHandCursor());
    DateTimeStepsInitialize();
}

void TeeProcsFinalize()
{
    if (startCount == 0 || --startCount != 0)
        return;
    ColorPaletteFinalize();
    TeeClearScreenCursor(HandCursorId);
    TextFieldsFinalize();
}
