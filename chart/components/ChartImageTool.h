#pragma once

// Stretches a picture over the area a series spans (or the axes' area) before the series draw.

#include <memory>

#include "chart/core/TeeCustomTool.h"
#include "platform/graphics/Picture.h"

class TChartImageTool : public TTeeCustomToolSeries
{
public:
    explicit TChartImageTool(TComponent* AOwner);
    ~TChartImageTool() override;

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* value) { FPicture->Assign(value); }
    // Reads the picture from a file. EInvalidGraphic naming the file when it cannot be read;
    // the tool is then left without a picture.
    void LoadPicture(const QString& fileName);

    // Also repaints.
    void SetSeries(TChartSeries* value) override;
    void ChartEvent(TChartToolEvent event) override;
    QString GetEditorClass() const override { return QStringLiteral("TChartImageToolEditor"); }
    QString Description() const override;
    // The picture is stored as PNG data; data that is not a picture leaves the tool without one
    // and tells the user.
    void DefineProperties(TTeeFiler& filer) override;

private:
    // Where the picture goes, in pixels.
    TRect ImageRect() const;
    void DrawImage();

    std::unique_ptr<TPicture> FPicture;
};
