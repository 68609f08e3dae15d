// Replays a folder of fuzzing inputs through one entry point, without libFuzzer, so that the
// inputs that once failed stay fixed in every test build:
//     fuzz_replay <target> <folder>
// A failure crashes or trips a sanitizer, which fails the test; otherwise every file passes.
//     fuzz_replay tool-types
// fails unless the harnesses' start-up registers every tool type, so that stored text reaches
// each of them.
#include <QDir>
#include <QFile>
#include <QStringList>
#include <cstdio>
#include <cstring>

#include "FuzzTargets.h"
#include "chart/components/TeeSeriesTypes.h"

namespace {

int CheckToolTypes(int argc, char** argv)
{
    FuzzStartUp(&argc, &argv);
    QStringList registered;
    for (int i = 0; i < TeeToolTypes->Count(); ++i)
        registered << TeeToolTypes->Get(i)->Name;
    FuzzShutDown();
    const QStringList expected{"TCursorTool",     "TDragMarksTool",       "TAxisArrowTool", "TDrawLineTool",
                               "TNearestTool",    "TColorBandTool",       "TColorLineTool", "TRotateTool",
                               "TChartImageTool", "TMarksTipTool",        "TAnnotationTool",
                               "TSeriesAnimationTool", "TGridBandTool",   "TDragPointTool"};
    if (registered == expected)
        return 0;
    std::fprintf(stderr, "tool types: %s\n", qPrintable(registered.join(QLatin1Char(' '))));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "tool-types") == 0)
        return CheckToolTypes(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <target> <folder>\n", argv[0]);
        return 2;
    }
    const FuzzTarget* target = nullptr;
    for (const FuzzTarget& t : FuzzTargets)
        if (std::strcmp(t.name, argv[1]) == 0)
            target = &t;
    if (!target) {
        std::fprintf(stderr, "no target %s\n", argv[1]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    const QStringList files = folder.entryList(QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        std::fprintf(stderr, "no inputs in %s\n", argv[2]);
        return 1;
    }
    FuzzStartUp(&argc, &argv);
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
            FuzzShutDown();
            return 1;
        }
        const QByteArray bytes = file.readAll();
        std::fprintf(stderr, "%s\n", qPrintable(name));
        target->run(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
    }
    FuzzShutDown();
    std::printf("replayed %lld inputs\n", static_cast<long long>(files.size()));
    return 0;
}
