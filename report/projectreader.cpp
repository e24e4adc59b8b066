#include "report/projectfile.h"

#include "report/projectkeys.h"

#include "common/errors.h"
#include "common/filesave.h"
#include "influence/linekind.h"
#include "loads/loadtable.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace tragvel::project {

const std::array<GridShape, gridCount> &gridShapes()
{
    // The influence-line and load tables as their commands limit them; an effect table has one
    // row per load row.
    static const std::array<GridShape, gridCount> shapes = {
        GridShape{3, longitudinalLine().maxPoints + 1}, GridShape{3, transverseLine().maxPoints + 1},
        GridShape{loadTableColumns, maxLoadRows + 1},   GridShape{loadTableColumns, maxLoadRows + 1},
        GridShape{10, maxLoadRows + 1},                 GridShape{10, maxLoadRows + 1},
    };
    return shapes;
}

namespace {

// Why the file is not a project; the caller names the file.
struct Refusal
{
    QString reason;
};

QString quoted(const QString &text)
{
    return QStringLiteral("„") + text + QStringLiteral("“");
}

[[noreturn]] void refuse(const QString &reason)
{
    throw Refusal{reason};
}

[[noreturn]] void wrongType(const QString &key, const char *expected)
{
    refuse(QStringLiteral("položka %1 má chybný typ, očekává se %2").arg(quoted(key), QString::fromUtf8(expected)));
}

QJsonValue member(const QJsonObject &object, const QString &parent, const QString &key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        refuse(QStringLiteral("chybí položka %1").arg(quoted(parent.isEmpty() ? key : parent + u'.' + key)));
    return value;
}

QJsonObject objectOf(const QJsonValue &value, const QString &key)
{
    if (!value.isObject())
        wrongType(key, "objekt");
    return value.toObject();
}

QJsonArray arrayOf(const QJsonValue &value, const QString &key)
{
    if (!value.isArray())
        wrongType(key, "pole");
    return value.toArray();
}

QString textOf(const QJsonValue &value, const QString &key)
{
    if (!value.isString())
        wrongType(key, "text");
    return value.toString();
}

bool flagOf(const QJsonValue &value, const QString &key)
{
    if (value.isUndefined())
        return false;
    if (!value.isBool())
        wrongType(key, "logická hodnota");
    return value.toBool();
}

int integerOf(const QJsonValue &value, const QString &key)
{
    const double number = value.toDouble();
    if (!value.isDouble() || std::floor(number) != number || std::fabs(number) > 1e9)
        wrongType(key, "celé číslo");
    return int(number);
}

CellTable gridOf(const QJsonValue &value, int index)
{
    const QString name = keys::gridName(index);
    const QString key = QString(keys::grids) + u'.' + name;
    const QJsonArray rows = arrayOf(value, key);
    const GridShape shape = gridShapes()[size_t(index)];
    if (rows.size() < 2 || rows.size() > shape.maxRows) {
        refuse(QStringLiteral("počet řádků tabulky %1 je %2, smí být 2 až %3 (včetně řádku záhlaví)")
                   .arg(quoted(name)).arg(rows.size()).arg(shape.maxRows));
    }
    CellTable table;
    table.rows.reserve(size_t(rows.size()));
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const QString rowKey = key + QStringLiteral("[%1]").arg(row);
        const QJsonArray cells = arrayOf(rows[row], rowKey);
        if (cells.size() != shape.columns) {
            refuse(QStringLiteral("počet buněk v řádku %1 tabulky %2 je %3 místo %4")
                       .arg(row).arg(quoted(name)).arg(cells.size()).arg(shape.columns));
        }
        QStringList texts;
        texts.reserve(shape.columns);
        for (qsizetype column = 0; column < cells.size(); ++column)
            texts << textOf(cells[column], rowKey + QStringLiteral("[%1]").arg(column));
        table.rows.push_back(std::move(texts));
    }
    return table;
}

// Characters that would end a paragraph inside a run.
bool breaksParagraph(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'\n' || u == u'\r' || u == 0x2029 || u == 0xFDD0 || u == 0xFDD1;
}

DocumentRun runOf(const QJsonValue &value, const QString &key)
{
    const QJsonObject object = objectOf(value, key);
    DocumentRun run;
    run.text = textOf(member(object, key, keys::text), key + u'.' + keys::text);
    for (const QChar c : run.text) {
        if (breaksParagraph(c))
            refuse(QStringLiteral("text položky %1 obsahuje konec řádku; každý řádek dokumentu je v souboru zvlášť").arg(quoted(key)));
    }
    const QJsonValue size = object.value(keys::size);
    if (!size.isUndefined()) {
        run.pointSize = size.toDouble();
        if (!size.isDouble() || !(run.pointSize >= 1.0 && run.pointSize <= maxPointSize))
            refuse(QStringLiteral("velikost písma v položce %1 musí být číslo od 1 do %2 bodů").arg(quoted(key)).arg(maxPointSize));
    }
    run.style.bold = flagOf(object.value(keys::bold), key + u'.' + keys::bold);
    run.style.italic = flagOf(object.value(keys::italic), key + u'.' + keys::italic);
    run.style.underline = flagOf(object.value(keys::underline), key + u'.' + keys::underline);
    run.style.strikeout = flagOf(object.value(keys::strikeout), key + u'.' + keys::strikeout);
    return run;
}

std::vector<DocumentParagraph> documentOf(const QJsonValue &value)
{
    const QString key = keys::document;
    const QJsonArray paragraphs = arrayOf(value, key);
    std::vector<DocumentParagraph> document;
    document.reserve(size_t(paragraphs.size()));
    for (qsizetype p = 0; p < paragraphs.size(); ++p) {
        const QString paragraphKey = key + QStringLiteral("[%1]").arg(p);
        const QJsonArray runs = arrayOf(paragraphs[p], paragraphKey);
        if (runs.isEmpty())
            refuse(QStringLiteral("řádek dokumentu %1 nemá žádný úsek textu").arg(quoted(paragraphKey)));
        DocumentParagraph paragraph;
        paragraph.reserve(size_t(runs.size()));
        for (qsizetype r = 0; r < runs.size(); ++r)
            paragraph.push_back(runOf(runs[r], paragraphKey + QStringLiteral("[%1]").arg(r)));
        document.push_back(std::move(paragraph));
    }
    return document;
}

ProjectData projectOf(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        if (bytes.trimmed().isEmpty())
            refuse(QStringLiteral("soubor je prázdný"));
        if (error.offset >= bytes.size())
            refuse(QStringLiteral("soubor je neúplný (končí uprostřed zápisu)"));
        refuse(QStringLiteral("soubor je poškozený (chybný zápis JSON okolo bajtu %1)").arg(error.offset));
    }
    if (!json.isObject() || json.object().value(keys::format) != QJsonValue(keys::formatName))
        refuse(QStringLiteral("nejde o soubor projektu (chybí označení formátu %1)").arg(quoted(keys::formatName)));
    const QJsonObject root = json.object();
    const int version = integerOf(member(root, {}, keys::version), keys::version);
    if (version > formatVersion) {
        refuse(QStringLiteral("projekt je uložen novější verzí formátu (%1), tento program čte nejvýše verzi %2; "
                              "otevřete jej novější verzí programu").arg(version).arg(formatVersion));
    }
    if (version < 1)
        refuse(QStringLiteral("neplatná verze formátu (%1)").arg(version));

    ProjectData project;
    const QJsonObject grids = objectOf(member(root, {}, keys::grids), keys::grids);
    for (int i = 0; i < gridCount; ++i)
        project.grids[size_t(i)] = gridOf(member(grids, keys::grids, keys::gridName(i)), i);

    const QJsonObject edits = objectOf(member(root, {}, keys::edits), keys::edits);
    for (int i = 0; i < editCount; ++i) {
        const QString name = keys::editName(i);
        const QString key = QString(keys::edits) + u'.' + name;
        QString &text = project.edits[size_t(i)];
        text = textOf(member(edits, keys::edits, name), key);
        if (text.size() > maxEditLength)
            refuse(QStringLiteral("text položky %1 je delší než %2 znaků").arg(quoted(key)).arg(maxEditLength));
    }

    project.fontSize = integerOf(member(root, {}, keys::fontSize), keys::fontSize);
    if (project.fontSize < 8 || project.fontSize > 20)
        refuse(QStringLiteral("velikost písma %1 musí být celé číslo od 8 do 20").arg(quoted(keys::fontSize)));

    const QJsonObject directories = objectOf(member(root, {}, keys::directories), keys::directories);
    for (int i = 0; i < directoryCount; ++i) {
        const QString name = keys::directoryName(i);
        project.directories[size_t(i)] = textOf(member(directories, keys::directories, name),
                                                QString(keys::directories) + u'.' + name);
    }
    project.document = documentOf(member(root, {}, keys::document));
    return project;
}

FileError refusalError(const QString &path, const QString &reason)
{
    return FileError(QStringLiteral("Soubor %1 nelze otevřít jako projekt: %2. Vyberte soubor projektu (*.tragvel) "
                                    "uložený tímto programem.")
                         .arg(quoted(QDir::toNativeSeparators(path)), reason));
}

} // namespace

ProjectData parseProject(const QByteArray &bytes, const QString &path)
{
    try {
        return projectOf(bytes);
    } catch (const Refusal &refusal) {
        throw refusalError(path, refusal.reason);
    }
}

ProjectData loadProjectFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isFile() && info.size() > maxFileBytes) {
        throw refusalError(path, QStringLiteral("soubor je příliš velký (%1 bajtů, projekt má nejvýše %2 MB)")
                                     .arg(info.size()).arg(maxFileBytes / (1024 * 1024)));
    }
    return parseProject(readWholeFile(path), path);
}

} // namespace tragvel::project
