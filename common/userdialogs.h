#pragma once

#include <QString>

#include <functional>
#include <optional>

class QPagedPaintDevice;

namespace tragvel {

struct SaveDialogOptions
{
    QString title;
    QString filter;           // description and mask pairs separated by '|', e.g. "Text (*.txt)|*.txt"
    QString defaultExtension; // with its dot, e.g. ".prc"
    QString initialDirectory; // empty: the current directory
};

struct OpenDialogOptions
{
    QString title;
    QString filter;           // as in SaveDialogOptions
    QString initialDirectory; // empty: the current directory
};

// The answers to the question whether to save the changes before they would be lost.
enum class SaveChangesAnswer { Save, Discard, Cancel };

// Every modal interaction of the window goes through this interface, so the window can be driven
// with scripted answers.
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    // A message box with the text and an OK button; the application title is its caption.
    virtual void showMessage(const QString &text) = 0;
    // An input box; cancelling it yields the default text.
    virtual QString inputBox(const QString &caption, const QString &prompt,
                             const QString &defaultText) = 0;
    // A save-file dialog; the chosen path, or nothing when cancelled.
    virtual std::optional<QString> saveFileName(const SaveDialogOptions &options) = 0;
    // An open-file dialog for an existing file; the chosen path, or nothing when cancelled.
    virtual std::optional<QString> openFileName(const OpenDialogOptions &options) = 0;
    // A question with the buttons "Uložit", "Neukládat" and "Zrušit"; closing the box cancels.
    virtual SaveChangesAnswer askSaveChanges(const QString &question) = 0;
    // The application's standard error box for failures no command expects.
    virtual void showError(const QString &text) = 0;
    // The system print dialog; once the user confirms it, `paint` draws the pages on the printer.
    virtual void printPages(const std::function<void(QPagedPaintDevice &)> &paint) = 0;
};

} // namespace tragvel
