#include "chart/core/AntiAlias.h"

#include "chart/core/CustomTeePanel.h"
#include "chart/core/TeeCanvas3D.h"

QImage TeeHalveBitmap(const QImage& large)
{
    const int w = large.width() / 2;
    const int h = large.height() / 2;
    QImage result(w, h, QImage::Format_RGB888);
    if (w == 0 || h == 0)
        return result;
    const QImage src = large.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < h; ++y) {
        const uchar* row0 = src.constScanLine(2 * y);
        const uchar* row1 = src.constScanLine(2 * y + 1);
        uchar* out = result.scanLine(y);
        for (int x = 0; x < w; ++x) {
            for (int c = 0; c < 3; ++c) {
                const int i = 6 * x + c;
                out[3 * x + c] = static_cast<uchar>((row0[i] + row0[i + 3] + row1[i] + row1[i + 3]) / 4);
            }
        }
    }
    return result;
}

QImage TeeAntiAlias(TCustomTeePanel* panel)
{
    const bool oldRepaint = panel->RepaintEnabled();
    const bool oldBuffered = panel->GetBufferedDisplay();
    TCanvas3D* canvas = panel->Canvas3D();
    const double oldZoom = canvas->FontZoom();
    panel->SetRepaintEnabled(false);
    canvas->SetFontZoom(oldZoom * 2);
    panel->SetBufferedDisplay(false);
    QImage large;
    try {
        large = panel->TeeCreateBitmap(panel->Color(), TRect(0, 0, 2 * panel->Width(), 2 * panel->Height()));
    } catch (...) {
        canvas->SetFontZoom(oldZoom);
        panel->SetBufferedDisplay(oldBuffered);
        panel->SetRepaintEnabled(oldRepaint);
        throw;
    }
    canvas->SetFontZoom(oldZoom);
    panel->SetBufferedDisplay(oldBuffered);
    QImage result = TeeHalveBitmap(large);
    panel->SetRepaintEnabled(oldRepaint);
    panel->Invalidate(); // the screen's layout comes back with the next paint
    return result;
}
