#include "scripteddialogs.h"

#include <QBuffer>
#include <QPdfWriter>

#include <gtest/gtest.h>

void ScriptedDialogs::showMessage(const QString &text)
{
    messages << text;
    log << QStringLiteral("message: ") + text;
}

QString ScriptedDialogs::inputBox(const QString &caption, const QString &prompt, const QString &defaultText)
{
    inputPrompts << caption + u'|' + prompt + u'|' + defaultText;
    if (m_inputAnswers.empty()) {
        ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
        return defaultText;
    }
    const std::optional<QString> answer = m_inputAnswers.front();
    m_inputAnswers.pop_front();
    return answer.value_or(defaultText);
}

std::optional<QString> ScriptedDialogs::saveFileName(const tragvel::SaveDialogOptions &options)
{
    saveRequests.push_back(options);
    if (m_saveAnswers.empty()) {
        ADD_FAILURE() << "unexpected save dialog: " << options.title.toStdString();
        return std::nullopt;
    }
    const std::optional<QString> answer = m_saveAnswers.front();
    m_saveAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::openFileName(const tragvel::OpenDialogOptions &options)
{
    openRequests.push_back(options);
    if (m_openAnswers.empty()) {
        ADD_FAILURE() << "unexpected open dialog: " << options.title.toStdString();
        return std::nullopt;
    }
    const std::optional<QString> answer = m_openAnswers.front();
    m_openAnswers.pop_front();
    return answer;
}

tragvel::SaveChangesAnswer ScriptedDialogs::askSaveChanges(const QString &question)
{
    questions << question;
    log << QStringLiteral("question: ") + question;
    if (m_saveChangesAnswers.empty()) {
        ADD_FAILURE() << "unexpected question: " << question.toStdString();
        return tragvel::SaveChangesAnswer::Cancel;
    }
    const tragvel::SaveChangesAnswer answer = m_saveChangesAnswers.front();
    m_saveChangesAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::showError(const QString &text)
{
    errors << text;
    log << QStringLiteral("error: ") + text;
}

void ScriptedDialogs::printPages(const std::function<void(QPagedPaintDevice &)> &paint)
{
    ++printRequests;
    log << QStringLiteral("print");
    if (m_printAnswers.empty()) {
        ADD_FAILURE() << "unexpected print dialog";
        return;
    }
    const bool confirm = m_printAnswers.front();
    m_printAnswers.pop_front();
    if (!confirm)
        return;
    printed.clear();
    QBuffer buffer(&printed);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    paint(writer);
}

void ScriptedDialogs::clear()
{
    messages.clear();
    errors.clear();
    inputPrompts.clear();
    saveRequests.clear();
    openRequests.clear();
    questions.clear();
    printRequests = 0;
    printed.clear();
    log.clear();
    m_inputAnswers.clear();
    m_saveAnswers.clear();
    m_openAnswers.clear();
    m_saveChangesAnswers.clear();
    m_printAnswers.clear();
}
