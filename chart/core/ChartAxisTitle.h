#pragma once

// The title of an axis: a framed text with an angle. The panel gives its left axis the angle
// 90 and its right axis 270, and Angle is stored only when it differs from that default.

#include <QString>

#include "chart/core/TeeCustomShape.h"

class TChartAxis;

class TChartAxisTitle : public TTeeCustomShape
{
public:
    explicit TChartAxisTitle(TChartAxis* axis);

    int32_t Angle() const { return FAngle; }
    // Kept modulo 360.
    void SetAngle(int32_t value);
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& value);

    int32_t DefaultAngle() const { return FDefaultAngle; }
    // The owner's default; sets the angle too.
    void SetDefaultAngle(int32_t value);
    bool IsAngleStored() const { return FAngle != FDefaultAngle; }

    // From a title: Angle and Caption, then the shape.
    void Assign(TPersistent* source) override;
    void DefineProperties(TTeeFiler& filer) override;

protected:
    void PropertyChanged() override;

private:
    TChartAxis* FAxis;
    int32_t FAngle = 0;
    int32_t FDefaultAngle = 0;
    QString FCaption;
};
