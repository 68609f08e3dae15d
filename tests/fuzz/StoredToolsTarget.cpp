// A stored chart with tools, read as a form loads it, painted and written; the written text,
// read into a new chart the same way, must be written back as it was: every setting read is
// kept, and nothing is stored that cannot be read back. A text refused as a whole leaves
// nothing that it made.
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "FuzzTargets.h"
#include "chart/components/Chart.h"
#include "platform/Component.h"
#include "platform/Exceptions.h"
#include "platform/TeeFiler.h"

namespace {

// The written text, or nothing when reading refused the text as a whole; a refused text must
// leave nothing that it made behind.
std::optional<QString> ReadPaintWrite(const QString& text)
{
    TComponent owner(nullptr);
    auto* chart = new TChart(&owner);
    chart->SetName(QStringLiteral("Chart"));
    chart->SetBounds(0, 0, 320, 240);
    owner.BeginLoading();
    try {
        TeeReadProperties(*chart, text);
    } catch (const EReadError&) {
        if (owner.ComponentCount() != 1 || chart->CustomAxes()->Count() != 0) {
            std::fprintf(stderr, "a refused text left %d components and %d custom axes\n", owner.ComponentCount(),
                         chart->CustomAxes()->Count());
            std::abort();
        }
        return std::nullopt;
    }
    owner.EndLoading();
    chart->Invalidate();
    chart->Update();
    return TeeWriteProperties(*chart);
}

} // namespace

int FuzzStoredToolsInput(const uint8_t* data, size_t size)
{
    const std::optional<QString> written =
        ReadPaintWrite(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!written)
        return 0;
    // What was read is within the bounds, and so is what it writes.
    const QString& first = *written;
    const QString second = ReadPaintWrite(first).value_or(QStringLiteral("(refused)"));
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
