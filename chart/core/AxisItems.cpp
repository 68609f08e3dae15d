#include "chart/core/AxisItems.h"

#include "chart/core/ChartAxis.h"

TAxisItem::TAxisItem(TAxisItems* list)
    : TTeeCustomShape(list->Axis()->ParentChart()->AxisShapeParent()), FItems(list)
{
    // Items are created transparent, so that is what goes unstored.
    DefaultTransparent = true;
}

void TAxisItem::Repaint()
{
    FItems->Axis()->ParentChart()->AxisHostInvalidate();
}

void TAxisItem::SetValue(double value)
{
    SetProp(FValue, value);
}

void TAxisItem::SetText(const QString& value)
{
    SetProp(FText, value);
}

void TAxisItem::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomShape::DefineProperties(filer);
    TeeDefineText(filer, "Text", FText, QString(), [this](const QString& v) { SetText(v); });
    filer.DefineProperty(
        QStringLiteral("Value"), [this](const QString& v) { SetValue(TeeTextFloat(v, FValue)); },
        [this] { return QString::number(FValue, 'g', 17); }, FValue != 0);
}

TAxisItems::TAxisItems(TChartAxis* axis)
    : FAxis(axis), FFormat(std::make_unique<TTeeShape>(axis->ParentChart()->AxisShapeParent()))
{
    FFormat->SetTransparent(true);
    FFormat->DefaultTransparent = true;
}

TAxisItems::~TAxisItems()
{
    qDeleteAll(FList);
    FList.clear();
}

TAxisItem* TAxisItems::Add(double value)
{
    auto* item = new TAxisItem(this);
    item->SetTransparent(true);
    item->SetValue(value);
    FList.append(item);
    return item;
}

TAxisItem* TAxisItems::Add(double value, const QString& text)
{
    TAxisItem* item = Add(value);
    item->InitText(text);
    return item;
}

void TAxisItems::Clear()
{
    qDeleteAll(FList);
    FList.clear();
    FAxis->ParentChart()->AxisHostInvalidate();
}

void TAxisItems::CopyFrom(const TAxisItems& other)
{
    FFormat->Assign(other.FFormat.get());
    Clear();
    for (const TAxisItem* item : other.FList)
        Add(item->Value(), item->Text());
}
