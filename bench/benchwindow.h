#pragma once

// What the benchmarks that drive the real window share: dialogs that answer without a user and the
// application the window needs, shown offscreen.

#include "app/applicationsetup.h"
#include "common/userdialogs.h"

#include <QApplication>
#include <QString>
#include <QStringList>

#include <utility>

// Every save and open dialog answered with `path` (none: cancelled), unsaved changes dropped,
// messages and errors counted and kept.
class BenchDialogs : public tragvel::UserDialogs
{
public:
    explicit BenchDialogs(QString path = QString()) : m_path(std::move(path)) {}

    void showMessage(const QString &) override { ++messages; }
    QString inputBox(const QString &, const QString &, const QString &defaultText) override { return defaultText; }
    std::optional<QString> saveFileName(const tragvel::SaveDialogOptions &) override { return answer(); }
    std::optional<QString> openFileName(const tragvel::OpenDialogOptions &) override { return answer(); }
    tragvel::SaveChangesAnswer askSaveChanges(const QString &) override { return tragvel::SaveChangesAnswer::Discard; }
    void showError(const QString &text) override
    {
        ++messages;
        errors << text;
    }
    void printPages(const std::function<void(QPagedPaintDevice &)> &) override {}

    int messages = 0;
    QStringList errors;

private:
    std::optional<QString> answer() const { return m_path.isEmpty() ? std::nullopt : std::optional<QString>(m_path); }

    QString m_path;
};

// The program's application, created once on the offscreen platform unless another is asked for.
inline void ensureApplication()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", "/tmp");
    static int argc = 1;
    static char name[] = "tragvel_bench";
    static char *argv[] = {name, nullptr};
    // Kept to the end of the program: benchmarks run from main after this returns.
    static QApplication *application = new QApplication(argc, argv);
    Q_UNUSED(application);
    setUpApplication();
}
