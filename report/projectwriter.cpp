#include "report/projectfile.h"

#include "report/projectkeys.h"

#include "common/filesave.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tragvel::project {

namespace {

QJsonArray gridArray(const CellTable &table)
{
    QJsonArray rows;
    for (const QStringList &cells : table.rows)
        rows.append(QJsonArray::fromStringList(cells));
    return rows;
}

QJsonObject runObject(const DocumentRun &run)
{
    QJsonObject object{{keys::text, run.text}};
    if (run.pointSize > 0)
        object.insert(keys::size, run.pointSize);
    // Only the flags that are set, so that a long plain document stays small.
    const std::pair<QLatin1StringView, bool> flags[] = {
        {keys::bold, run.style.bold}, {keys::italic, run.style.italic},
        {keys::underline, run.style.underline}, {keys::strikeout, run.style.strikeout}};
    for (const auto &[key, set] : flags) {
        if (set)
            object.insert(key, true);
    }
    return object;
}

} // namespace

QByteArray projectBytes(const ProjectData &project)
{
    QJsonObject grids;
    for (int i = 0; i < gridCount; ++i)
        grids.insert(keys::gridName(i), gridArray(project.grids[size_t(i)]));
    QJsonObject edits;
    for (int i = 0; i < editCount; ++i)
        edits.insert(keys::editName(i), project.edits[size_t(i)]);
    QJsonObject directories;
    for (int i = 0; i < directoryCount; ++i)
        directories.insert(keys::directoryName(i), project.directories[size_t(i)]);
    QJsonArray document;
    for (const DocumentParagraph &paragraph : project.document) {
        QJsonArray runs;
        for (const DocumentRun &run : paragraph)
            runs.append(runObject(run));
        document.append(runs);
    }
    const QJsonObject root{
        {keys::format, keys::formatName},
        {keys::version, formatVersion},
        {keys::minorVersion, formatMinorVersion},
        {keys::grids, grids},
        {keys::edits, edits},
        {keys::fontSize, project.fontSize},
        {keys::directories, directories},
        {keys::document, document},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

void saveProjectFile(const ProjectData &project, const QString &path)
{
    writeFileReplacing(path, projectBytes(project));
}

} // namespace tragvel::project
