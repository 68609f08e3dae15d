#pragma once

// The tools demo's window: a chart of a few thousand points (a fast line and a line with
// marks) and a check box per tool that switches it on and off. Built by the demo program and
// by the tests that try it; the program starts the units and the application services.

#include <QCheckBox>
#include <QHBoxLayout>
#include <QImage>
#include <QList>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>

#include "chart/components/Chart.h"
#include "chart/components/Series.h"
#include "chart/components/TeeTools.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/SeriesMarks.h"
#include "chart/core/TeeEngineSettings.h"
#include "chart/editors/ChartWidget.h"
#include "chart/editors/TeeDragPoint.h"

class ToolsDemoWindow : public QWidget
{
public:
    ToolsDemoWindow()
    {
        auto* column = new QVBoxLayout(this);
        auto* row = new QHBoxLayout;
        column->addLayout(row);
        auto* row2 = new QHBoxLayout;
        column->addLayout(row2);
        FChartWidget = new TChartWidget;
        column->addWidget(FChartWidget, 1);
        TChart* chart = FChartWidget->Chart();
        chart->SetView3D(false);
        chart->Title()->Text()->Add(QStringLiteral("Tools"));

        auto* walk = new TFastLineSeries(chart);
        walk->SetTitle(QStringLiteral("Walk"));
        double y = 0;
        for (int i = 0; i < 5000; ++i) {
            y += std::sin(i * 0.003) * 0.8 + ((i * 7919) % 13 - 6) * 0.4;
            walk->AddXY(i, y);
        }
        chart->AddSeries(walk);
        auto* peaks = new TLineSeries(chart);
        peaks->SetTitle(QStringLiteral("Peaks"));
        peaks->Pointer()->SetVisible(true);
        peaks->Marks()->SetVisible(true);
        // Every 400th point of the walk, with its value as a mark.
        for (int i = 200; i < walk->Count(); i += 400)
            peaks->AddXY(walk->XValue(i), walk->YValue(i));
        chart->AddSeries(peaks);

        // The rotate tool sees the mouse first and turns with the middle button, so that it
        // leaves the left button to the others and no other tool's feedback moves under its
        // wire box while it turns the chart.
        auto* rotate = new TRotateTool(chart);
        rotate->SetButton(mbMiddle);
        rotate->Pen()->SetVisible(true);
        chart->Tools()->Add(rotate);

        auto* cursor = new TCursorTool(chart);
        cursor->SetSeries(peaks);
        cursor->SetSnap(true);
        cursor->Pen()->SetColor(clRed);
        chart->Tools()->Add(cursor);
        AddSwitch(row, QStringLiteral("Cursor (snaps to Peaks)"), cursor, true);

        auto* follow = new TCursorTool(chart);
        follow->SetFollowMouse(true);
        follow->SetStyle(cssVertical);
        follow->Pen()->SetColor(clBlue);
        chart->Tools()->Add(follow);
        AddSwitch(row, QStringLiteral("Cursor following the mouse"), follow, false);

        auto* marks = new TDragMarksTool(chart);
        chart->Tools()->Add(marks);
        AddSwitch(row, QStringLiteral("Drag marks"), marks, true);

        auto* bottomArrows = new TAxisArrowTool(chart);
        bottomArrows->SetAxis(chart->BottomAxis());
        bottomArrows->Brush()->SetColor(clYellow);
        AddSwitch(row, QStringLiteral("Bottom axis arrows"), bottomArrows, true);

        auto* leftArrows = new TAxisArrowTool(chart);
        leftArrows->SetAxis(chart->LeftAxis());
        leftArrows->Brush()->SetColor(clAqua);
        leftArrows->SetScrollInverted(true);
        AddSwitch(row, QStringLiteral("Left axis arrows (inverted)"), leftArrows, true);
        row->addStretch(1);

        auto* view3D = new QCheckBox(QStringLiteral("3D"));
        QObject::connect(view3D, &QCheckBox::toggled, [chart](bool on) { chart->SetView3D(on); });
        row2->addWidget(view3D);

        AddSwitch(row2, QStringLiteral("Rotate (middle button, wire box)"), rotate, false);

        auto* bands = new TGridBandTool(chart);
        bands->SetAxis(chart->LeftAxis());
        bands->Band1()->SetColor(RGB(228, 236, 250));
        bands->Band2()->SetColor(clWhite);
        AddSwitch(row2, QStringLiteral("Grid bands"), bands, true);

        // A soft gradient behind the span of the peaks.
        auto* image = new TChartImageTool(chart);
        QImage picture(64, 64, QImage::Format_RGB32);
        for (int py = 0; py < 64; ++py)
            for (int px = 0; px < 64; ++px)
                picture.setPixel(px, py, qRgb(255 - px / 2, 245, 215 + py / 2));
        image->Picture()->SetGraphic(picture);
        image->SetSeries(peaks);
        chart->Tools()->Add(image);
        AddSwitch(row2, QStringLiteral("Image behind Peaks"), image, false);

        auto* tips = new TMarksTipTool(chart);
        tips->SetStyle(smsXY);
        chart->Tools()->Add(tips);
        AddSwitch(row2, QStringLiteral("Mark tips"), tips, true);

        auto* note = new TAnnotationTool(chart);
        note->SetText(QStringLiteral("A note at the top right,") + TeeLineSeparator + QStringLiteral("pointing at the chart"));
        note->SetPosition(ppRightTop);
        note->SetCursor(crHandPoint);
        note->Callout()->Arrow()->SetVisible(true);
        note->Callout()->Arrow()->SetColor(clNavy);
        note->Callout()->SetArrowHead(ahSolid);
        note->Callout()->SetXPosition(500);
        note->Callout()->SetYPosition(300);
        chart->Tools()->Add(note);
        AddSwitch(row2, QStringLiteral("Annotation"), note, true);

        auto* drag = new TDragPointTool(chart);
        drag->SetSeries(peaks);
        chart->Tools()->Add(drag);
        AddSwitch(row2, QStringLiteral("Drag point"), drag, false);
        auto* dragEditor = new QPushButton(QStringLiteral("Drag point editor..."));
        QObject::connect(dragEditor, &QPushButton::clicked, [drag] {
            auto* form = new TDragPointToolEdit;
            form->setAttribute(Qt::WA_DeleteOnClose);
            form->SetTag(drag);
            form->show();
        });
        row2->addWidget(dragEditor);

        auto* animation = new TSeriesAnimationTool(chart);
        animation->SetSeries(peaks);
        animation->SetSteps(40);
        animation->SetDrawEvery(3);
        chart->Tools()->Add(animation);
        auto* animate = new QPushButton(QStringLiteral("Animate Peaks"));
        QObject::connect(animate, &QPushButton::clicked, [animation] { animation->Execute(); });
        row2->addWidget(animate);
        row2->addStretch(1);

        auto* drawRow = new QHBoxLayout;
        column->insertLayout(1, drawRow);
        auto* lines = FLines = new TDrawLineTool(chart);
        lines->Pen()->SetColor(clGreen);
        lines->Pen()->SetWidth(2);
        chart->Tools()->Add(lines);
        AddSwitch(drawRow, QStringLiteral("Draw lines (no zoom while on; Delete removes the selected one)"), lines,
                  false);
        // Only while the tool is on does the selected line show its handles.
        chart->OnKeyDown = [lines](TObject*, int& key, TShiftState) {
            if (key == Qt::Key_Delete && lines->Active() && lines->Selected()) {
                lines->DeleteSelected();
                key = 0;
            }
        };

        auto* nearest = new TNearestTool(chart);
        nearest->SetSeries(walk);
        nearest->SetFullRepaint(false);
        nearest->SetStyle(hsDiamond);
        nearest->SetSize(8);
        nearest->Pen()->SetColor(clNavy);
        chart->Tools()->Add(nearest);
        AddSwitch(drawRow, QStringLiteral("Nearest point of Walk"), nearest, true);

        auto* band = new TColorBandTool(chart);
        band->SetAxis(chart->BottomAxis());
        band->SetStartValue(1800);
        band->SetEndValue(1000);
        band->SetColor(clYellow);
        band->SetTransparency(40);
        band->Pen()->Hide();
        AddSwitch(drawRow, QStringLiteral("Colour band 1000..1800"), band, true);

        auto* level = new TColorLineTool(chart);
        level->SetAxis(chart->LeftAxis());
        level->SetStyle(clCenter);
        level->Pen()->SetColor(clFuchsia);
        level->Pen()->SetWidth(2);
        AddSwitch(drawRow, QStringLiteral("Colour line (drag it)"), level, true);

        auto* mark = new TColorLineTool(chart);
        mark->SetAxis(chart->BottomAxis());
        mark->SetValue(4000);
        mark->SetDragRepaint(true);
        mark->Pen()->SetColor(clTeal);
        AddSwitch(drawRow, QStringLiteral("Colour line repainting as dragged"), mark, true);
        auto* everyTool = new QPushButton(QStringLiteral("Every tool on"));
        QObject::connect(everyTool, &QPushButton::clicked, [this] {
            for (QCheckBox* box : FSwitches)
                box->setChecked(true);
        });
        drawRow->addWidget(everyTool);
        drawRow->addStretch(1);

        setWindowTitle(QStringLiteral("Tools"));
        resize(1000, 640);
    }

    TChartWidget* ChartWidget() const { return FChartWidget; }
    TDrawLineTool* Lines() const { return FLines; }
    const QList<QCheckBox*>& Switches() const { return FSwitches; }

private:
    // A check box that switches the tool; tools start switched as the box shows.
    void AddSwitch(QHBoxLayout* row, const QString& text, TTeeCustomTool* tool, bool on)
    {
        auto* box = new QCheckBox(text);
        FSwitches << box;
        box->setChecked(on);
        tool->SetActive(on);
        QObject::connect(box, &QCheckBox::toggled, [tool](bool checked) { tool->SetActive(checked); });
        row->addWidget(box);
    }

    TChartWidget* FChartWidget = nullptr;
    TDrawLineTool* FLines = nullptr;
    // Every tool's check box, so that one button can switch them all on.
    QList<QCheckBox*> FSwitches;
};
