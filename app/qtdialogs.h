#pragma once

#include "common/userdialogs.h"

class QWidget;

// The real modal dialogs of the program.
class QtUserDialogs : public tragvel::UserDialogs
{
public:
    explicit QtUserDialogs(QWidget *parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget *parent) { m_parent = parent; }

    void showMessage(const QString &text) override;
    QString inputBox(const QString &caption, const QString &prompt, const QString &defaultText) override;
    std::optional<QString> saveFileName(const tragvel::SaveDialogOptions &options) override;
    std::optional<QString> openFileName(const tragvel::OpenDialogOptions &options) override;
    tragvel::SaveChangesAnswer askSaveChanges(const QString &question) override;
    void showError(const QString &text) override;
    void printPages(const std::function<void(QPagedPaintDevice &)> &paint) override;

private:
    QWidget *m_parent;
};

// "Soubory (*.prc)|*.prc|Text (*.txt)|*.txt" as Qt's name filters: "Soubory (*.prc);;Text (*.txt)".
QString qtNameFilters(const QString &filter);
