// A chart panel with a gradient, bevels and a rounded border in a real window, for looking at
// it by eye. Not part of the program.
#include <QApplication>

#include "chart/components/UnitStartup.h"
#include "chart/core/CustomTeePanel.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeCustomShape.h"
#include "chart/core/TeeGradient.h"
#include "platform/widgets/ControlHost.h"

namespace {

class DemoPanel : public TCustomTeePanelExtended
{
public:
    DemoPanel() : TCustomTeePanelExtended(nullptr), box(this) {}
    void InternalDraw(const TRect& rect) override
    {
        PanelPaint(rect);
        Canvas3D()->Brush()->SetStyle(bsClear);
        Canvas3D()->Pen()->SetColor(clNavy);
        Canvas3D()->Rectangle(PlotRect());
        box.ShapeRect = TRect(PlotCenterX() - 80, PlotCenterY() - 25, PlotCenterX() + 80, PlotCenterY() + 25);
        box.Draw();
    }
    TTeeShape box;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InitializeUnits();
    int rc = 0;
    {
        auto* panel = new DemoPanel;
        panel->Gradient()->SetStartColor(clWhite);
        panel->Gradient()->SetEndColor(RGB(80, 140, 220));
        panel->Gradient()->SetVisible(true);
        panel->SetBevelOuter(bvRaised);
        panel->SetBevelInner(bvLowered);
        panel->SetBevelWidth(3);
        panel->Border()->SetVisible(true);
        panel->Border()->SetColor(clMaroon);
        panel->Border()->SetWidth(3);
        panel->SetBorderRound(30);
        panel->box.SetColor(clCream);
        panel->box.SetShapeStyle(fosRoundRectangle);
        panel->box.SetBevel(bvNone);
        TControlHost host;
        host.setWindowTitle(QStringLiteral("Panel"));
        host.resize(400, 250);
        host.SetControl(panel, true);
        host.show();
        rc = app.exec();
    }
    FinalizeUnits();
    return rc;
}
