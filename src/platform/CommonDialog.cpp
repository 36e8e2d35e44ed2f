#include "platform/CommonDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>

namespace {

QWidget* dialogParent(QWidget* parent) {
    if (parent)
        return parent;
    if (QApplication::activeModalWidget())
        return QApplication::activeModalWidget();
    return QApplication::activeWindow();
}

// "*.gif" -> "*.[gG][iI][fF]" so the pattern matches in any letter case.
QString anyCase(const QString& pattern) {
    if (pattern == "*.*" || pattern == "*")
        return "*";
    QString out;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            out += QString("[%1%2]").arg(c.toLower(), c.toUpper());
        else
            out += c;
    }
    return out;
}

} // namespace

QStringList CommonDialog::NameFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split('|');
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(';', Qt::SkipEmptyParts))
            patterns << anyCase(p.trimmed());
        if (patterns.isEmpty())
            patterns << "*";
        result << QString("%1 (%2)").arg(parts[i], patterns.join(' '));
    }
    return result;
}

CommonDialog& CommonDialog::Shared() {
    static CommonDialog shared;
    return shared;
}

bool CommonDialog::showFileDialog(QWidget* parent, bool save) {
    QFileDialog dialog(dialogParent(parent), DialogTitle);
    dialog.setObjectName("CommonDialog1");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save && !(Flags & cdlOFNOverwritePrompt))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!InitDir.isEmpty() && QDir(InitDir).exists())
        dialog.setDirectory(InitDir);
    const QStringList filters = NameFilters(Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (FilterIndex >= 1 && FilterIndex <= filters.size())
            dialog.selectNameFilter(filters[FilterIndex - 1]);
    }
    if (!FileName.isEmpty())
        dialog.selectFile(FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FileName = QDir::toNativeSeparators(dialog.selectedFiles().first());
    return true;
}

bool CommonDialog::ShowOpen(QWidget* parent) {
    return showFileDialog(parent, false);
}

bool CommonDialog::ShowSave(QWidget* parent) {
    return showFileDialog(parent, true);
}

bool CommonDialog::ShowColor(QWidget* parent) {
    QColorDialog dialog(dialogParent(parent));
    dialog.setObjectName("CommonDialog1");
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setCurrentColor(QColor(Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QColor c = dialog.selectedColor();
    Color = quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
    return true;
}

bool CommonDialog::ShowFont(QWidget* parent) {
    QFontDialog dialog(dialogParent(parent));
    dialog.setObjectName("CommonDialog1");
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    // Without a font of the caller's, the dialog starts at the program's own.
    QFont start = QApplication::font();
    if (!FontName.isEmpty())
        start.setFamily(FontName);
    if (FontSize > 0)
        start.setPointSizeF(FontSize);
    start.setBold(FontBold);
    start.setItalic(FontItalic);
    dialog.setCurrentFont(start);
    // A cancelled dialog changes none of the choice.
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QFont chosen = dialog.selectedFont();
    FontName = chosen.family();
    FontSize = chosen.pointSizeF() > 0 ? float(chosen.pointSizeF()) : 0;
    FontBold = chosen.bold();
    FontItalic = chosen.italic();
    return true;
}
