#pragma once

#include "common/userdialogs.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

// Dialogs with queued answers that record everything shown, in order.
// Running out of queued answers is a test failure: input boxes then return their default text
// save and open dialogs are cancelled and questions answered "Zrušit".
class ScriptedDialogs : public tragvel::UserDialogs
{
public:
    void showMessage(const QString &text) override;
    QString inputBox(const QString &caption, const QString &prompt, const QString &defaultText) override;
    std::optional<QString> saveFileName(const tragvel::SaveDialogOptions &options) override;
    std::optional<QString> openFileName(const tragvel::OpenDialogOptions &options) override;
    tragvel::SaveChangesAnswer askSaveChanges(const QString &question) override;
    void showError(const QString &text) override;
    // A confirmed print paints the pages into a PDF kept in `printed`; a cancelled one paints nothing.
    void printPages(const std::function<void(QPagedPaintDevice &)> &paint) override;

    // Queue answers. An input answer of std::nullopt means the user cancels the box.
    void answerInput(std::optional<QString> answer) { m_inputAnswers.push_back(std::move(answer)); }
    void answerSave(std::optional<QString> path) { m_saveAnswers.push_back(std::move(path)); }
    void answerOpen(std::optional<QString> path) { m_openAnswers.push_back(std::move(path)); }
    void answerSaveChanges(tragvel::SaveChangesAnswer answer) { m_saveChangesAnswers.push_back(answer); }
    void answerPrint(bool confirm) { m_printAnswers.push_back(confirm); }

    QStringList messages;            // texts of showMessage, in order
    QStringList errors;              // texts of showError, in order
    QStringList inputPrompts;        // "caption|prompt|default" of every input box
    std::vector<tragvel::SaveDialogOptions> saveRequests;
    std::vector<tragvel::OpenDialogOptions> openRequests;
    QStringList questions;           // texts of askSaveChanges, in order
    int printRequests = 0;
    QByteArray printed;

    // Everything shown, in order: "message: ...", "error: ...", "question: ...".
    QStringList log;

    void clear();

private:
    std::deque<std::optional<QString>> m_inputAnswers;
    std::deque<std::optional<QString>> m_saveAnswers;
    std::deque<std::optional<QString>> m_openAnswers;
    std::deque<tragvel::SaveChangesAnswer> m_saveChangesAnswers;
    std::deque<bool> m_printAnswers;
};
