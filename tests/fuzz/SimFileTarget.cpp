// A simulation file from memory, shown as the window shows a file that it read.
#include <QBuffer>
#include <QByteArray>

#include "FuzzTargets.h"
#include "app/SimFile.h"
#include "app/Unit1.h"
#include "chart/components/Chart.h"

namespace {

// One window for the whole process: building a form per input would cost far more than the
// display itself. Every display starts by emptying what the one before left.
TMainForm& Form()
{
    static TMainForm* form = nullptr;
    if (!form) {
        form = new TMainForm;
        FuzzAtShutDown([] {
            delete form;
            form = nullptr;
        });
    }
    return *form;
}

} // namespace

int FuzzSimFileInput(const uint8_t* data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TMainForm& form = Form();
    const SimFileReadResult read = ReadSimFile(buffer, form.playRecords);
    if (read.status != SimFileStatus::Ok)
        return 0;
    form.ShowResults();
    for (int row = 0; row < static_cast<int>(form.playRecords.size()); ++row)
        form.ResultListViewData(row);
    for (TChart* chart : {form.charts.SlumpChart(), form.charts.SlumpChart2(), form.charts.KoyakuChart(),
                          form.charts.ModeStayChart()}) {
        chart->Invalidate();
        chart->Update();
    }
    return 0;
}
