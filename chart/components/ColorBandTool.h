#pragma once

// Fills the band between two values of an axis across the plot, behind the series or in
// front of them, with a colour or a gradient and optional transparency.

#include <QString>
#include <memory>

#include "chart/core/TeeCustomTool.h"
#include "platform/Colors.h"
#include "platform/TeeFiler.h"

class TTeeGradient;

class TColorBandTool : public TTeeCustomToolAxis
{
public:
    explicit TColorBandTool(TComponent* AOwner);
    ~TColorBandTool() override;

    QString Description() const override;
    QString GetEditorClass() const override { return QStringLiteral("TColorBandToolEditor"); }

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { SetColorProperty(FColor, value); }
    bool DrawBehind() const { return FDrawBehind; }
    void SetDrawBehind(bool value) { SetBooleanProperty(FDrawBehind, value); }
    double StartValue() const { return FStartValue; }
    void SetStartValue(double value) { SetDoubleProperty(FStartValue, value); }
    double EndValue() const { return FEndValue; }
    void SetEndValue(double value) { SetDoubleProperty(FEndValue, value); }
    TTeeGradient* Gradient() const { return FGradient.get(); }
    // Copies the gradient.
    void SetGradient(TTeeGradient* value);
    // Percent, 0 opaque.
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { SetIntegerProperty(FTransparency, value); }

    void ChartEvent(TChartToolEvent event) override;
    void DefineProperties(TTeeFiler& filer) override;

protected:
    // The band, drawn only where it overlaps the axis range.
    void PaintBand();

private:
    TColor FColor = clWhite;
    bool FDrawBehind = true;
    double FEndValue = 0;
    std::unique_ptr<TTeeGradient> FGradient;
    double FStartValue = 0;
    int FTransparency = 0;
};
