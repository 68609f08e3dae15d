#include "platform/widgets/Dialogs.h"

#include "platform/graphics/SystemColors.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace {

DialogSeam defaultSeam;
DialogSeam* currentSeam = nullptr;

// A dialog opens on its current name; a bare pattern such as "*.sim" names no file, so the
// dialog opens in the pattern's folder (the working folder when it has none).
QString StartPath(const QString& fileName)
{
    if (fileName.contains(QLatin1Char('*')) || fileName.contains(QLatin1Char('?'))) {
        const QString folder = QFileInfo(fileName).path();
        return folder == QLatin1String(".") ? QString() : folder;
    }
    return fileName;
}

} // namespace

void DialogSeam::ErrorMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("エラー"), text, QMessageBox::Ok, parent);
    box.exec();
}

void DialogSeam::ExceptionMessage(QWidget* parent, const QString& text)
{
    // The exception display is titled with the application's name.
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

bool DialogSeam::OpenFileDialog(QWidget* parent, const QString& filter, QString& fileName)
{
    const QString chosen =
        QFileDialog::getOpenFileName(parent, QString(), StartPath(fileName), QtFileFilter(filter));
    if (chosen.isEmpty())
        return false;
    fileName = chosen;
    return true;
}

bool DialogSeam::SaveFileDialog(QWidget* parent, const QString& filter, QString& fileName)
{
    const QString chosen =
        QFileDialog::getSaveFileName(parent, QString(), StartPath(fileName), QtFileFilter(filter));
    if (chosen.isEmpty())
        return false;
    fileName = chosen;
    return true;
}

bool DialogSeam::ColorDialog(QWidget* parent, TColor& color, QStringList& customColors)
{
    // The Qt colour dialog with its 16 custom colour slots.
    const QList<TColor> custom = CustomColorValues(customColors);
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, i < custom.size() ? TColorToQColor(custom[i]) : QColor(Qt::white));
    QColorDialog dialog(parent);
    dialog.setCurrentColor(TColorToQColor(ColorToRGB(color)));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    color = QColorToTColor(dialog.selectedColor());
    QList<TColor> chosen;
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        chosen.append(QColorToTColor(QColorDialog::customColor(i)));
    customColors = CustomColorEntries(chosen);
    return true;
}

int DialogSeam::ExecModal(QDialog* dialog)
{
    return dialog->exec();
}

void DialogSeam::OpenUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url));
}

void DialogSeam::StartProgram(const QString& program, const QStringList& arguments)
{
    QProcess::startDetached(program, arguments);
}

DialogSeam& Dialogs()
{
    return currentSeam ? *currentSeam : defaultSeam;
}

void SetDialogSeam(DialogSeam* seam)
{
    currentSeam = seam;
}

QString QtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

QStringList CustomColorEntries(const QList<TColor>& colors)
{
    QStringList entries;
    for (int i = 0; i < colors.size() && i < 16; ++i) {
        entries.append(QStringLiteral("Color") + QChar(u'A' + i) + QLatin1Char('=')
                       + QStringLiteral("%1").arg(colors[i] & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper());
    }
    return entries;
}

QList<TColor> CustomColorValues(const QStringList& entries)
{
    QList<TColor> colors;
    for (const QString& entry : entries) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        bool ok = false;
        const TColor value = entry.mid(eq + 1).trimmed().toUInt(&ok, 16);
        colors.append(ok ? value : clWhite);
    }
    return colors;
}

TFileDialog::TFileDialog(Kind kind, QString fileName, QString filter)
    : FileName(std::move(fileName)), Filter(std::move(filter)), kind(kind)
{
}

bool TFileDialog::Execute(QWidget* parent)
{
    return kind == Kind::Open ? Dialogs().OpenFileDialog(parent, Filter, FileName)
                              : Dialogs().SaveFileDialog(parent, Filter, FileName);
}
