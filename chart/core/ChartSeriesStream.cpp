// Stored properties of a series: its look (colours, sources, cursor, depth, axes, formats and
// marks), its data sources by name and its points ("Data").
//
// "Data" is a block of bytes, written in the filer as base64. Little-endian layout: a flags
// byte (X values, colours, labels, mark positions present), a 32-bit point count, then per
// point: the position value (double) when X values are present, the shown value (double), the
// colour (32 bits) when colours are present, the label (a length byte and up to 255 bytes of
// UTF-8) when labels are present, one double per further value list, and, when mark positions
// are present, a presence byte followed, for a present one, by its geometry.

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QStringList>
#include <algorithm>
#include <functional>

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/EngineServices.h"
#include "chart/core/TeeFunction.h"
#include "chart/core/Teeconst.h"
#include "platform/TeeComponentFiler.h"

namespace {

constexpr int maxLabelBytes = 255;

// The label's UTF-8, cut at a character boundary to at most 255 bytes.
QByteArray LabelBytes(const QString& label)
{
    QByteArray bytes = label.toUtf8();
    if (bytes.size() <= maxLabelBytes)
        return bytes;
    int end = maxLabelBytes;
    while (end > 0 && (static_cast<uint8_t>(bytes[end]) & 0xC0) == 0x80)
        --end;
    return bytes.left(end);
}

void WritePoint(QDataStream& out, const TPoint& p)
{
    out << p.X << p.Y;
}

// A stored mark coordinate or size, kept within what the drawing accepts, so that the sums
// of positions and sizes made while marks are drawn, hit and kept apart cannot overflow.
int32_t ReadBounded(QDataStream& in)
{
    int32_t v = 0;
    in >> v;
    return std::clamp(v, -TeeMaxPixelPos, TeeMaxPixelPos);
}

void ReadPoint(QDataStream& in, TPoint& p)
{
    p.X = ReadBounded(in);
    p.Y = ReadBounded(in);
}

const QStringList& HorizAxisNames()
{
    static const QStringList names{"aTopAxis", "aBottomAxis", "aBothHorizAxis", "aCustomHorizAxis"};
    return names;
}

const QStringList& VertAxisNames()
{
    static const QStringList names{"aLeftAxis", "aRightAxis", "aBothVertAxis", "aCustomVertAxis"};
    return names;
}

} // namespace

QByteArray TChartSeries::SaveData() const
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.setFloatingPointPrecision(QDataStream::DoublePrecision);
    // Every point decides the flags, so nothing past the first points is lost.
    const uint8_t flags = SeriesContents(this);
    const int lists = OwnValueListCount();
    out << flags << static_cast<int32_t>(Count());
    for (int i = 0; i < Count(); ++i) {
        if (flags & tfNoMandatory)
            out << FPositionValues->GetValue(i);
        out << FMandatoryValues->GetValue(i);
        if (flags & tfColor) {
            const bool own = FColors && i < FColors->Count();
            out << static_cast<uint32_t>(own ? (*FColors)[i] : clDefault);
        }
        if (flags & tfLabel) {
            const QByteArray label = LabelBytes(FLabels.GetLabel(i));
            out << static_cast<uint8_t>(label.size());
            out.writeRawData(label.constData(), static_cast<int>(label.size()));
        }
        for (int l = 2; l < lists; ++l)
            out << FValueLists.Get(l)->GetValue(i);
        if (flags & tfMarkPosition) {
            const TSeriesMarkPosition* p = FMarks->Positions().Get(i);
            out << static_cast<uint8_t>(p ? 1 : 0);
            if (p) {
                WritePoint(out, p->ArrowStart);
                out << static_cast<uint8_t>(p->ArrowStartFixed);
                WritePoint(out, p->ArrowEnd);
                out << static_cast<uint8_t>(p->UserPlaced);
                out << p->BoxHeight;
                WritePoint(out, p->BoxLeftTop);
                out << p->BoxWidth;
            }
        }
    }
    return data;
}

void TChartSeries::LoadData(const QByteArray& data)
{
    QDataStream in(data);
    in.setByteOrder(QDataStream::LittleEndian);
    in.setFloatingPointPrecision(QDataStream::DoublePrecision);
    Clear();
    BeginUpdate();
    uint8_t flags = 0;
    int32_t count = 0;
    in >> flags >> count;
    const int lists = OwnValueListCount();
    // A damaged block gives the points read before the damage, never more than it can hold.
    for (int i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        double position = i;
        double value = 0;
        if (flags & tfNoMandatory)
            in >> position;
        in >> value;
        uint32_t colour = clDefault;
        if (flags & tfColor)
            in >> colour;
        QString label;
        if (flags & tfLabel) {
            uint8_t length = 0;
            in >> length;
            QByteArray bytes(length, Qt::Uninitialized);
            if (in.readRawData(bytes.data(), length) != length)
                in.setStatus(QDataStream::ReadPastEnd);
            label = QString::fromUtf8(bytes);
        }
        for (int l = 2; l < lists; ++l)
            in >> FValueLists.Get(l)->PendingValue;
        TSeriesMarkPosition mark;
        bool hasMark = false;
        if (flags & tfMarkPosition) {
            uint8_t present = 0;
            in >> present;
            if (present) {
                uint8_t fixed = 0;
                uint8_t placed = 0;
                ReadPoint(in, mark.ArrowStart);
                in >> fixed;
                ReadPoint(in, mark.ArrowEnd);
                in >> placed;
                mark.BoxHeight = ReadBounded(in);
                ReadPoint(in, mark.BoxLeftTop);
                mark.BoxWidth = ReadBounded(in);
                mark.ArrowStartFixed = fixed != 0;
                mark.UserPlaced = placed != 0;
                hasMark = true;
            }
        }
        if (in.status() != QDataStream::Ok)
            break;
        if (FMandatoryValues == FYValues)
            AddXY(position, value, label, colour);
        else
            AddXY(value, position, label, colour);
        if (flags & tfMarkPosition)
            FMarks->Positions().Append(hasMark ? &mark : nullptr);
    }
    EndUpdate();
    FValuesEntered = true;
}

TCustomChartSeries::TSeriesHolder TChartSeries::NewOfSameKind() const
{
    // A class the registry cannot make is compared with a plain series: right for everything
    // its constructor leaves as the base made it.
    TSeriesHolder made = TCustomChartSeries::NewOfSameKind();
    if (!made)
        made.reset(new TChartSeries(nullptr));
    return made;
}

void TChartSeries::DefineStartProperties(TTeeFiler& filer)
{
    TCustomChartSeries::DefineStartProperties(filer);
    TeeDefineBool(filer, "ColorEachPoint", FColorEachPoint, false, [this](bool v) { SetColorEachPoint(v); });
    TeeDefineText(filer, "ColorSource", FColorSource, QString(), [this](const QString& v) { SetColorSource(v); });
    // A cursor is a 16-bit number; anything else leaves it as it was.
    filer.DefineProperty(
        "Cursor",
        [this](const QString& v) {
            const int64_t cursor = TeeTextInt(v, FCursor);
            if (cursor >= INT16_MIN && cursor <= INT16_MAX)
                SetCursor(static_cast<int>(cursor));
        },
        [this] { return TeeIntText(FCursor); }, FCursor != 0);
    TeeDefineInt(filer, "Depth", FDepth, -1, [this](int32_t v) { SetDepth(v); });
    TeeDefineEnum(filer, "HorizAxis", FHorizAxis, aBottomAxis, HorizAxisNames(), [this](THorizAxis v) { SetHorizAxis(v); });
    TeeDefineObject(filer, "Marks", FMarks.get());
    TeeDefineText(filer, "PercentFormat", FPercentFormat, TeeMsg_DefPercentFormat,
                  [this](const QString& v) { SetPercentFormat(v); });
    TeeDefineColor(filer, "SeriesColor", FSeriesColor, clDefault, [this](TColor v) { SetSeriesColor(v); });
    TeeDefineText(filer, "ValueFormat", FValueFormat, TeeMsg_DefValueFormat,
                  [this](const QString& v) { SetValueFormat(v); });
    TeeDefineEnum(filer, "VertAxis", FVertAxis, aLeftAxis, VertAxisNames(), [this](TVertAxis v) { SetVertAxis(v); });
    TeeDefineText(filer, "XLabelsSource", FXLabelsSource, QString(), [this](const QString& v) { SetLabelsSource(v); });
}

void TChartSeries::DefineProperties(TTeeFiler& filer)
{
    TCustomChartSeries::DefineProperties(filer);
    // The sources by name (a series without one by its place among the chart's components),
    // resolved once loading ends: the first as "DataSource", all of them as "DataSources" when
    // there are more (read after the first, so the list wins).
    const auto reference = [this](TComponent* c) { return TeeComponentReference(c, ParentChart()); };
    filer.DefineProperty(
        "DataSource",
        [this](const QString& v) {
            FDataSourceNames = QStringList{v};
            FHasDataSourceNames = true;
        },
        [this, reference] { return reference(DataSource()); }, !FDataSources.isEmpty());
    filer.DefineProperty(
        "DataSources",
        [this](const QString& v) {
            FDataSourceNames = v.split(QLatin1Char(','), Qt::SkipEmptyParts);
            FHasDataSourceNames = true;
        },
        [this, reference] {
            QStringList names;
            for (TComponent* c : FDataSources)
                names.append(reference(c));
            return names.join(QLatin1Char(','));
        },
        FDataSources.size() > 1);
    // Custom axes by their place among the chart's custom axes; read back once the series is in
    // a chart that has that many.
    const auto customAxis = [this, &filer](const char* name, bool horizontal) {
        TChartAxis* axis = horizontal ? FCustomHorizAxis : FCustomVertAxis;
        filer.DefineProperty(
            name,
            [this, horizontal](const QString& v) {
                const int64_t index = TeeTextInt(v, -1);
                TCustomAxisPanel* chart = ParentChart();
                if (!chart || index < 0 || index >= chart->CustomAxes()->Count())
                    return;
                TChartAxis* found = chart->CustomAxes()->Get(static_cast<int>(index));
                if (horizontal)
                    SetCustomHorizAxis(found);
                else
                    SetCustomVertAxis(found);
            },
            [axis] { return TeeIntText(axis ? axis->Index() : -1); }, axis != nullptr);
    };
    customAxis("CustomHorizAxis", true);
    customAxis("CustomVertAxis", false);
    filer.DefineProperty(
        "Data", [this](const QString& v) { LoadData(QByteArray::fromBase64(v.toLatin1())); },
        [this] { return QString::fromLatin1(SaveData().toBase64()); },
        FForceSaveValues || (FValuesEntered && !FDontSaveValues));
    const bool reading = dynamic_cast<TTeePropertyReader*>(&filer) != nullptr;
    // The marks' items were kept while the points were read in; from now on clearing the
    // series drops them again.
    if (reading)
        FMarks->Items().Loading = false;
    // The function, stored inside the series. Taking it resets whether the points were
    // entered, but points the same text gave stay entered, or the next write would drop them.
    const bool entered = FValuesEntered;
    TeeDefineChildren(filer, "Components", this, false);
    if (reading)
        FValuesEntered = entered;
}

void TChartSeries::GetChildren(const TGetChildProc& Proc, TComponent* Root)
{
    TCustomChartSeries::GetChildren(Proc, Root);
    if (FFunction)
        Proc(FFunction);
}
