// A stored chart with tools, read as a form loads it, painted and written; the written text,
// read into a new chart the same way, must be written back as it was: every setting read is
// kept, and nothing is stored that cannot be read back.
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "FuzzTargets.h"
#include "chart/components/Chart.h"
#include "platform/Component.h"
#include "platform/TeeFiler.h"

namespace {

QString ReadPaintWrite(const QString& text)
{
    TComponent owner(nullptr);
    auto* chart = new TChart(&owner);
    chart->SetName(QStringLiteral("Chart"));
    chart->SetBounds(0, 0, 320, 240);
    owner.BeginLoading();
    TeeReadProperties(*chart, text);
    owner.EndLoading();
    chart->Invalidate();
    chart->Update();
    return TeeWriteProperties(*chart);
}

} // namespace

int FuzzStoredToolsInput(const uint8_t* data, size_t size)
{
    const QString first =
        ReadPaintWrite(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QString second = ReadPaintWrite(first);
    if (second == first)
        return 0;
    // The first line that differs says which setting was lost or changed.
    const QStringList a = first.split(QLatin1Char('\n'));
    const QStringList b = second.split(QLatin1Char('\n'));
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a.at(i) == b.at(i))
        ++i;
    std::fprintf(stderr, "written again differently at line %lld:\n  first:  %s\n  second: %s\n",
                 static_cast<long long>(i + 1), i < a.size() ? qPrintable(a.at(i)) : "(end)",
                 i < b.size() ? qPrintable(b.at(i)) : "(end)");
    std::abort();
}
