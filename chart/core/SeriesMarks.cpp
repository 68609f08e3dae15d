#include "chart/core/SeriesMarks.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeEngineSettings.h"
#include "chart/core/TeeShadow.h"
#include "platform/Types.h"

const QStringList& SeriesMarksStyleNames()
{
    static const QStringList names{"smsValue",        "smsPercent",        "smsLabel",
                                   "smsLabelPercent", "smsLabelValue",     "smsLegend",
                                   "smsPercentTotal", "smsLabelPercentTotal", "smsXValue",
                                   "smsXY"};
    return names;
}

QStringList TeeSplitMarkLines(const QString& text)
{
    QStringList lines;
    QString rest = text;
    for (;;) {
        const qsizetype at = rest.indexOf(TeeLineSeparator);
        if (at < 0)
            break;
        lines.append(rest.left(at));
        rest = rest.mid(at + 1, 255);
    }
    lines.append(rest);
    return lines;
}

TTeeGradientClass TSeriesMarks::GetGradientClass() const
{
    return [](TNotifyEvent changeHandler) -> std::unique_ptr<TTeeGradient> {
        return std::make_unique<TSeriesMarksGradient>(std::move(changeHandler));
    };
}

TSeriesMarks::TSeriesMarks(TChartSeries* series) : TTeeCustomShape(nullptr), FItems(this), FSeries(series)
{
    FCallout = std::make_unique<TMarksCallout>(series);
    FCallout->SetParent(nullptr);
    SetColor(clInfoBk);
    SetVisible(false);
    InitShadow(Shadow());
}

TSeriesMarks::~TSeriesMarks() = default;

void TSeriesMarks::InitShadow(TTeeShadow* shadow)
{
    shadow->SetColor(TColor(0x808080));
    shadow->SetSize(1);
    shadow->DefaultColor = TColor(0x808080);
    shadow->DefaultSize = 1;
}

void TSeriesMarks::SetParent(TCustomTeePanel* value)
{
    TTeeCustomShape::SetParent(value);
    if (FCallout)
        FCallout->SetParent(value);
    FItems.SetParent(value);
}

void TSeriesMarks::SetAngle(int value) { FSeries->SetIntegerProperty(FAngle, value); }
void TSeriesMarks::SetClip(bool value) { FSeries->SetBooleanProperty(FClip, value); }
void TSeriesMarks::SetDrawEvery(int value) { FSeries->SetIntegerProperty(FDrawEvery, value); }
void TSeriesMarks::SetMultiLine(bool value) { FSeries->SetBooleanProperty(FMultiLine, value); }

void TSeriesMarks::SetStyle(TSeriesMarksStyle value)
{
    if (FStyle != value) {
        FStyle = value;
        FSeries->Repaint();
    }
}

TTeeCustomShape* TSeriesMarks::MarkItem(int index)
{
    if (TMarksItem* item = FItems.Existing(index))
        return item;
    return this;
}

void TSeriesMarks::Clear()
{
    FPositions.Clear();
    if (!FItems.Loading)
        FItems.Clear();
}

void TSeriesMarks::ResetPositions()
{
    for (int i = 0; i < FPositions.Count(); ++i)
        FPositions.Automatic(i);
    FSeries->Repaint();
}

void TSeriesMarks::UsePosition(int index, TSeriesMarkPosition& position)
{
    TSeriesMarkPosition* stored = FPositions.Ensure(index);
    if (!stored)
        return;
    if (!stored->UserPlaced) {
        stored->Assign(position);
        return;
    }
    const TPoint ownStart = position.ArrowStart;
    position.Assign(*stored);
    if (position.ArrowStartFixed)
        position.ArrowStart = ownStart;
}

void TSeriesMarks::ApplyArrowLength(TSeriesMarkPosition& position) const
{
    const int distance = FCallout->Distance();
    const int lift = FCallout->Length() + distance;
    position.BoxLeftTop.Y -= lift;
    position.ArrowEnd.Y -= lift;
    position.ArrowStart.Y -= distance;
}

TCanvas3D* TSeriesMarks::PanelCanvas() const
{
    return Parent() ? Parent()->Canvas3D() : nullptr;
}

void TSeriesMarks::ConvertTo2D(const TSeriesMarkPosition& position, TPoint& point) const
{
    TCanvas3D* canvas = PanelCanvas();
    if (!canvas || !Parent()->View3D() || canvas->GetSupports3DText())
        return;
    const TPoint end = canvas->Calculate3DPosition(position.ArrowEnd.X, position.ArrowEnd.Y, FZPosition);
    // Projected far off the page, a mark's corner is held to the widest pixel position, as a
    // stored one is, so that the box and text arithmetic after it stays within int.
    const auto moved = [](int64_t to, int64_t from, int64_t at) {
        return static_cast<int32_t>(std::clamp<int64_t>(to + from - at, -TeeMaxPixelPos, TeeMaxPixelPos));
    };
    point = TPoint(moved(end.X, point.X, position.ArrowEnd.X), moved(end.Y, point.Y, position.ArrowEnd.Y));
}

void TSeriesMarks::InternalDraw(int index, TColor colour, const QString& text, TSeriesMarkPosition& position)
{
    TCanvas3D* canvas = PanelCanvas();
    if (!canvas)
        return;
    UsePosition(index, position);
    TTeeCustomShape* format = MarkItem(index);
    if (FCallout->Visible() || FCallout->Arrow()->Visible())
        FCallout->Draw(colour, position.ArrowStart, position.ArrowEnd, FZPosition);
    if (format->Transparent()) {
        canvas->Brush()->SetStyle(bsClear);
        canvas->SetBackMode(cbmTransparent);
    } else {
        canvas->AssignBrushColor(format->Brush(), format->Color(), clNone);
    }
    canvas->AssignVisiblePen(format->Frame());
    ConvertTo2D(position, position.BoxLeftTop);
    format->DrawRectRotated(position.Bounds(), FAngle % 360, FZPosition + 1);
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetBackMode(cbmTransparent);
    canvas->SetTextAlign(TA_CENTER);
    TRect textRect = position.Bounds();
    textRect.Left += 2;
    DrawText(textRect, text);
}

void TSeriesMarks::DrawText(const TRect& rect, const QString& text)
{
    TCanvas3D* canvas = PanelCanvas();
    if (!canvas)
        return;
    const QStringList lines = TeeSplitMarkLines(text);
    const int h = canvas->FontHeight();
    const int cx = (rect.Left + rect.Right) / 2;
    const int cy = (rect.Top + rect.Bottom) / 2;
    const bool text3D = Parent()->View3D() && canvas->GetSupports3DText();
    for (int i = 0; i < lines.size(); ++i) {
        int x, y;
        if (FAngle != 0) {
            const double r = FAngle * TeePiStep;
            const double a = i * h + cy - rect.Bottom;
            x = cx + Round(a * std::sin(r)) + (FAngle == 90 ? 2 : 0);
            y = cy + Round(a * std::cos(r));
        } else {
            x = cx;
            y = rect.Top + i * h + (Frame()->Visible() ? Frame()->Width() : 0);
        }
        if (text3D) {
            if (FAngle != 0)
                canvas->RotateLabel3D(x, y, FZPosition, lines[i], FAngle);
            else
                canvas->TextOut3D(x, y, FZPosition, lines[i]);
        } else if (FAngle != 0) {
            canvas->RotateLabel(x, y, lines[i], FAngle);
        } else {
            canvas->TextOut(x, y, lines[i]);
        }
    }
}

int TSeriesMarks::TextWidth(int index)
{
    TCanvas3D* canvas = PanelCanvas();
    const QString text = FSeries->GetMarkText(index);
    if (!canvas || text.isEmpty())
        return 0;
    int widest = 0;
    for (const QString& line : TeeSplitMarkLines(text))
        widest = std::max(widest, canvas->TextWidth(line));
    return widest;
}

TRect TSeriesMarks::OverlapBox(int index, const TSeriesMarkPosition& position)
{
    TTeeCustomShape* format = MarkItem(index);
    TRect box = position.Bounds();
    if (format->Frame()->Visible()) {
        box.Right += format->Frame()->Width();
        box.Bottom += format->Frame()->Width();
    }
    const int h = format->Shadow()->HorizSize();
    const int v = format->Shadow()->VertSize();
    (h > 0 ? box.Right : box.Left) += h;
    (v > 0 ? box.Bottom : box.Top) += v;
    TPoint corner = box.TopLeft();
    ConvertTo2D(position, corner);
    box.Offset(corner.X - box.Left, corner.Y - box.Top);
    return box;
}

void TSeriesMarks::ForgetPlaced(bool placing)
{
    FPlacing = placing;
    FPlaced.Clear();
    FPlacedEnd = FPlacedFirst = 0;
}

void TSeriesMarks::AntiOverlap(int first, int index, TSeriesMarkPosition& position)
{
    first = std::max(0, first);
    // In a pass, marks come in order and each earlier one is stored before the next comes:
    // only the ones stored since the last mark join the index.
    if (!FPlacing || first != FPlacedFirst || index < FPlacedEnd || FZPosition != FPlacedDepth) {
        FPlaced.Clear();
        FPlacedFirst = FPlacedEnd = first;
        FPlacedDepth = FZPosition;
    }
    for (int i = FPlacedEnd; i < index; ++i)
        if (const TSeriesMarkPosition* other = FPositions.Get(i))
            FPlaced.Add(OverlapBox(i, *other));
    FPlacedEnd = std::max(FPlacedEnd, index);
    const auto d = static_cast<int32_t>(FPlaced.Shift(OverlapBox(index, position)));
    position.BoxLeftTop.Y -= d;
    position.ArrowEnd.Y -= d;
}

int TSeriesMarks::Clicked(int x, int y) const
{
    if (Parent() && PanelCanvas())
        PanelCanvas()->Calculate2DPosition(x, y, FZPosition);
    for (int i = 0; i < FPositions.Count(); ++i) {
        const TSeriesMarkPosition* p = FPositions.Get(i);
        if (p && i % std::max(1, FDrawEvery) == 0 && PointInRect(p->Bounds(), x, y))
            return i;
    }
    return -1;
}

void TSeriesMarks::Assign(TPersistent* Source)
{
    if (auto* marks = dynamic_cast<TSeriesMarks*>(Source)) {
        FAngle = marks->FAngle;
        FCallout->Assign(marks->FCallout.get());
        FClip = marks->FClip;
        FDrawEvery = marks->FDrawEvery;
        FStyle = marks->FStyle;
        FMultiLine = marks->FMultiLine;
        FItems.Clear();
        for (int i = 0; i < marks->FItems.Count(); ++i)
            FItems.Get(i)->Assign(marks->FItems.Get(i));
    }
    TTeeCustomShape::Assign(Source);
}

namespace {

// Markers of the component stream around each item's properties.
constexpr char ListBegin = 0x0E;
constexpr char ListEnd = 0x00;

} // namespace

QByteArray TSeriesMarks::WriteItems()
{
    QByteArray data;
    const uint32_t count = static_cast<uint32_t>(FItems.Count());
    for (int shift = 0; shift < 32; shift += 8)
        data.append(static_cast<char>((count >> shift) & 0xFF));
    for (int i = 0; i < FItems.Count(); ++i) {
        data.append(ListBegin);
        data.append(TeeWriteProperties(*FItems.Get(i)).toUtf8());
        data.append(ListEnd);
    }
    return data;
}

void TSeriesMarks::ReadItems(const QByteArray& data)
{
    if (data.size() < 4)
        return;
    uint32_t count = 0;
    for (int b = 0; b < 4; ++b)
        count |= static_cast<uint32_t>(static_cast<uint8_t>(data[b])) << (8 * b);
    FItems.Loading = count > 0;
    qsizetype at = 4;
    for (uint32_t i = 0; i < count && at < data.size(); ++i) {
        // A block that does not start with the list marker ends the reading: it is not ours.
        if (data[at] != ListBegin)
            break;
        const qsizetype end = data.indexOf(ListEnd, at + 1);
        const qsizetype stop = end < 0 ? data.size() : end;
        TeeReadProperties(*FItems.Get(static_cast<int>(i)), QString::fromUtf8(data.mid(at + 1, stop - at - 1)));
        at = stop + 1;
    }
}

void TSeriesMarks::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomShape::DefineProperties(filer);
    TeeDefineInt(filer, "Angle", FAngle, 0, [this](int32_t v) { SetAngle(v); });
    TeeDefineObject(filer, "Callout", FCallout.get());
    TeeDefineBool(filer, "Clip", FClip, false, [this](bool v) { SetClip(v); });
    TeeDefineInt(filer, "DrawEvery", FDrawEvery, 1, [this](int32_t v) { SetDrawEvery(v); });
    TeeDefineBool(filer, "MultiLine", FMultiLine, false, [this](bool v) { SetMultiLine(v); });
    TeeDefineEnum(filer, "Style", FStyle, smsLabel, SeriesMarksStyleNames(), [this](TSeriesMarksStyle v) { SetStyle(v); });
    // The callout's pen and length and the colour under their other published names: read,
    // never written (the callout and the shape write them).
    filer.DefineObject("Arrow", [this](TTeeFiler& f) { FCallout->Arrow()->DefineProperties(f); }, false);
    filer.DefineProperty(
        "ArrowLength", [this](const QString& v) { SetArrowLength(TeeTextInt32(v, FCallout->Length())); }, {}, false);
    filer.DefineProperty(
        "BackColor", [this](const QString& v) { SetBackColor(TeeTextColor(v, Color())); }, {}, false);
    filer.DefineProperty(
        "Items", [this](const QString& v) { ReadItems(QByteArray::fromHex(v.toLatin1())); },
        [this] { return QString::fromLatin1(WriteItems().toHex()); }, FItems.Count() > 0);
}
