// The project menu: new, open, save, save as, the recent projects and quit, and the question
// before unsaved changes would be lost.

#include "app/projecthandlers.h"

#include "app/projectsession.h"
#include "app/tform1.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenu>

#include <functional>

QString recentProjectActionName(int index)
{
    return QStringLiteral("actionRecentProject%1").arg(index + 1);
}

void addProjectActions(TForm1 &form)
{
    QMenu *menu = form.menuProject;
    // The file commands come first, before any command the menu holds already; the recent
    // projects and "Konec" close the menu.
    QAction *const firstOther = menu->actions().value(0, nullptr);
    const auto add = [&form, menu](QAction *before, const char *name, const QString &text, const QKeySequence &keys,
                                   const std::function<void(ProjectSession &)> &command) {
        auto *action = new QAction(text, menu);
        menu->insertAction(before, action);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        QObject::connect(action, &QAction::triggered, &form,
                         [&form, command] { form.runGuarded([&] { command(form.project()); }); });
        return action;
    };
    form.actionProjectNew = add(firstOther, "actionProjectNew", QStringLiteral("Nový"),
                                QKeySequence(Qt::CTRL | Qt::Key_N), [](ProjectSession &p) { p.newProject(); });
    form.actionProjectOpen = add(firstOther, "actionProjectOpen", QStringLiteral("Otevřít…"),
                                 QKeySequence(Qt::CTRL | Qt::Key_O), [](ProjectSession &p) { p.openProject(); });
    form.actionProjectSave = add(firstOther, "actionProjectSave", QStringLiteral("Uložit"),
                                 QKeySequence(Qt::CTRL | Qt::Key_S), [](ProjectSession &p) { p.save(); });
    form.actionProjectSaveAs = add(firstOther, "actionProjectSaveAs", QStringLiteral("Uložit jako…"),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [](ProjectSession &p) { p.saveAs(); });
    if (firstOther)
        menu->insertSeparator(firstOther);
    menu->addSeparator();
    for (int i = 0; i < ProjectSession::recentCount; ++i) {
        QAction *recent = add(nullptr, recentProjectActionName(i).toLatin1().constData(), QString(), QKeySequence(),
                              [i](ProjectSession &p) { p.openRecent(i); });
        recent->setVisible(false);
    }
    menu->addSeparator();
    form.actionProjectQuit = menu->addAction(QStringLiteral("Konec"));
    form.actionProjectQuit->setObjectName(QStringLiteral("actionProjectQuit"));
    QObject::connect(form.actionProjectQuit, &QAction::triggered, &form, [&form] { form.close(); });
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // Nothing can have changed before the window is whole.
    if (!isWhole() || m_project->mayDropChanges())
        event->accept();
    else
        event->ignore();
}
