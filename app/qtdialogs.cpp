#include "app/qtdialogs.h"

#include "app/printmodule.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

void QtUserDialogs::showMessage(const QString &text)
{
    // The message text alone: no icon beside it.
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, m_parent);
    box.exec();
}

QString QtUserDialogs::inputBox(const QString &caption, const QString &prompt, const QString &defaultText)
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal, defaultText, &accepted);
    return accepted ? answer : defaultText;
}

QString qtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The description may name a mask that differs from the real one; Qt filters by the text in
        // parentheses, so append the real mask when it is not there.
        const QString &description = parts[i];
        const QString mask = QString(parts[i + 1]).replace(u';', u' ');
        filters << (description.contains(QLatin1Char('(') + mask + QLatin1Char(')'))
                        ? description
                        : description + QStringLiteral(" (") + mask + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<QString> QtUserDialogs::saveFileName(const tragvel::SaveDialogOptions &options)
{
    QFileDialog dialog(m_parent, options.title,
                       options.initialDirectory.isEmpty() ? QDir::currentPath() : options.initialDirectory);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(qtNameFilters(options.filter));
    // The filter reads as its description alone, without the mask Qt would append.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    QString suffix = options.defaultExtension;
    if (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    // Every save replaces its file without asking.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtUserDialogs::openFileName(const tragvel::OpenDialogOptions &options)
{
    QFileDialog dialog(m_parent, options.title,
                       options.initialDirectory.isEmpty() ? QDir::currentPath() : options.initialDirectory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(qtNameFilters(options.filter));
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

tragvel::SaveChangesAnswer QtUserDialogs::askSaveChanges(const QString &question)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), question, QMessageBox::NoButton, m_parent);
    QPushButton *save = box.addButton(QStringLiteral("Uložit"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("Neukládat"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Zrušit"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return tragvel::SaveChangesAnswer::Save;
    if (box.clickedButton() == discard)
        return tragvel::SaveChangesAnswer::Discard;
    return tragvel::SaveChangesAnswer::Cancel;
}

void QtUserDialogs::showError(const QString &text)
{
    QMessageBox::critical(m_parent, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

void QtUserDialogs::printPages(const std::function<void(QPagedPaintDevice &)> &paint)
{
    QString error;
    const PrintPagesFunction print = loadPrintPages(printModuleFolders(), error);
    if (!print) {
        showError(QStringLiteral("Tisk není k dispozici: modul tisku se nepodařilo načíst (%1).\n"
                                 "Sestavte program znovu příkazem bash scripts/start.sh.")
                      .arg(error));
        return;
    }
    print(m_parent, paint);
}
