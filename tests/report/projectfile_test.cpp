#include "report/projectfile.h"

#include "common/errors.h"
#include "qtprinters.h"
#include "testfiles.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using tragvel::project::DocumentRun;
using tragvel::project::ProjectData;

QString q(const char *utf8) { return QString::fromUtf8(utf8); }

tragvel::CellTable table(int columns, int rows, const QString &stem)
{
    tragvel::CellTable t;
    for (int r = 0; r < rows; ++r) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << stem + QStringLiteral("%1;%2").arg(c).arg(r);
        t.rows.push_back(cells);
    }
    return t;
}

// A project with texts a number reader would refuse, blanks, quotes, backslashes and diacritics.
ProjectData sampleProject()
{
    ProjectData p;
    p.grids = {table(3, 101, q("  ")), table(3, 26, q("x")), table(7, 101, q("ž")), table(7, 2, q("\"")),
               table(10, 2, q("\\")), table(10, 101, QString())};
    p.grids[0].setCell(1, 1, q("  1,5e3 "));
    p.grids[2].setCell(6, 1, q("není číslo"));
    for (int i = 0; i < tragvel::project::editCount; ++i)
        p.edits[size_t(i)] = QStringLiteral("%1,25").arg(i);
    p.edits[16] = q("Most přes Vltavu {12}");
    p.fontSize = 17;
    p.directories = {q("/tmp/a b"), q("/tmp/č"), q("/"), q("/tmp")};
    p.document = {
        {DocumentRun{q("Příčinková čára ... :"), 9.0, {true, false, true, false}}},
        {DocumentRun{q("12,5  "), 0.0, {}}, DocumentRun{q("kurzíva\\{}"), 7.5, {false, true, false, true}}},
        {DocumentRun{QString(), 15.0, {true, true, true, true}}},
    };
    return p;
}

QString messageOf(const QByteArray &bytes)
{
    try {
        tragvel::project::parseProject(bytes, QStringLiteral("/data/most12.tragvel"));
    } catch (const tragvel::FileError &e) {
        return e.text();
    }
    return QStringLiteral("(read without error)");
}

QString refusal(const char *reason)
{
    return q("Soubor „/data/most12.tragvel“ nelze otevřít jako projekt: ") + q(reason) +
           q(". Vyberte soubor projektu (*.tragvel) uložený tímto programem.");
}

QByteArray edited(const std::function<void(QJsonObject &)> &edit)
{
    QJsonObject root = QJsonDocument::fromJson(tragvel::project::projectBytes(sampleProject())).object();
    edit(root);
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

// Applies `edit` to the member `key` of the object `parent` of the root.
QByteArray editedMember(const char *parent, const std::function<void(QJsonObject &)> &edit)
{
    return edited([&](QJsonObject &root) {
        QJsonObject child = root.value(QLatin1StringView(parent)).toObject();
        edit(child);
        root.insert(QLatin1StringView(parent), child);
    });
}

TEST(ProjectFile, SavedProjectReadsBackTheSame)
{
    const ProjectData project = sampleProject();
    const QByteArray bytes = tragvel::project::projectBytes(project);
    EXPECT_EQ(tragvel::project::parseProject(bytes, QStringLiteral("p.tragvel")), project);
    EXPECT_EQ(tragvel::project::projectBytes(tragvel::project::parseProject(bytes, QStringLiteral("p.tragvel"))), bytes);
    EXPECT_TRUE(bytes.startsWith("{\n")) << bytes.left(40).toStdString();
    EXPECT_TRUE(bytes.contains("\"format\": \"tragvel-project\""));
    EXPECT_TRUE(bytes.contains("\"version\": 1"));
    // UTF-8, not escaped.
    EXPECT_TRUE(bytes.contains(q("Most přes Vltavu {12}").toUtf8()));
}

TEST(ProjectFile, WhatIsNotAProjectIsRefusedWithItsReason)
{
    const QByteArray valid = tragvel::project::projectBytes(sampleProject());
    const struct
    {
        QByteArray bytes;
        const char *reason;
    } cases[] = {
        {"", "soubor je prázdný"},
        {" \r\n", "soubor je prázdný"},
        {valid.left(40), "soubor je neúplný (končí uprostřed zápisu)"},
        {R"({"format": tragvel})", "soubor je poškozený (chybný zápis JSON okolo bajtu 14)"},
        {R"({"format": "tragvel-project",, "version": 1})", "soubor je poškozený (chybný zápis JSON okolo bajtu 30)"},
        {"[1, 2]", "nejde o soubor projektu (chybí označení formátu „tragvel-project“)"},
        {R"({"format": "rtf", "version": 1})", "nejde o soubor projektu (chybí označení formátu „tragvel-project“)"},
        {R"({"format": "tragvel-project"})", "chybí položka „version“"},
        {R"({"format": "tragvel-project", "version": "1"})", "položka „version“ má chybný typ, očekává se celé číslo"},
        {R"({"format": "tragvel-project", "version": 1.5})", "položka „version“ má chybný typ, očekává se celé číslo"},
        {R"({"format": "tragvel-project", "version": 2, "grids": 7})",
         "projekt je uložen novější verzí formátu (2), tento program čte nejvýše verzi 1; otevřete jej novější verzí programu"},
        {R"({"format": "tragvel-project", "version": 0})", "neplatná verze formátu (0)"},
        {edited([](QJsonObject &r) { r.remove(QStringLiteral("grids")); }), "chybí položka „grids“"},
        {edited([](QJsonObject &r) { r.insert(QStringLiteral("grids"), QJsonArray()); }),
         "položka „grids“ má chybný typ, očekává se objekt"},
        {editedMember("grids", [](QJsonObject &g) { g.remove(QStringLiteral("StringGrid5")); }),
         "chybí položka „grids.StringGrid5“"},
        {editedMember("grids", [](QJsonObject &g) {
             QJsonArray rows = g.value(QStringLiteral("StringGrid2")).toArray();
             rows.append(rows.last());
             g.insert(QStringLiteral("StringGrid2"), rows);
         }),
         "počet řádků tabulky „StringGrid2“ je 27, smí být 2 až 26 (včetně řádku záhlaví)"},
        {editedMember("grids", [](QJsonObject &g) {
             QJsonArray rows = g.value(QStringLiteral("StringGrid4")).toArray();
             rows.removeLast();
             g.insert(QStringLiteral("StringGrid4"), rows);
         }),
         "počet řádků tabulky „StringGrid4“ je 1, smí být 2 až 101 (včetně řádku záhlaví)"},
        {editedMember("grids", [](QJsonObject &g) {
             QJsonArray rows = g.value(QStringLiteral("StringGrid3")).toArray();
             QJsonArray row = rows[1].toArray();
             row[5] = 10;
             rows[1] = row;
             g.insert(QStringLiteral("StringGrid3"), rows);
         }),
         "položka „grids.StringGrid3[1][5]“ má chybný typ, očekává se text"},
        {editedMember("grids", [](QJsonObject &g) {
             QJsonArray rows = g.value(QStringLiteral("StringGrid6")).toArray();
             QJsonArray row = rows[0].toArray();
             row.removeLast();
             rows[0] = row;
             g.insert(QStringLiteral("StringGrid6"), rows);
         }),
         "počet buněk v řádku 0 tabulky „StringGrid6“ je 9 místo 10"},
        {editedMember("edits", [](QJsonObject &e) { e.insert(QStringLiteral("Edit17"), QJsonValue::Null); }),
         "položka „edits.Edit17“ má chybný typ, očekává se text"},
        {editedMember("edits", [](QJsonObject &e) { e.insert(QStringLiteral("Edit3"), QString(32768, u'1')); }),
         "text položky „edits.Edit3“ je delší než 32767 znaků"},
        {edited([](QJsonObject &r) { r.insert(QStringLiteral("fontSize"), 21); }),
         "velikost písma „fontSize“ musí být celé číslo od 8 do 20"},
        {editedMember("directories", [](QJsonObject &d) { d.insert(QStringLiteral("DirectoryListBox4"), true); }),
         "položka „directories.DirectoryListBox4“ má chybný typ, očekává se text"},
        {edited([](QJsonObject &r) { r.insert(QStringLiteral("document"), QJsonArray{QJsonArray{}}); }),
         "řádek dokumentu „document[0]“ nemá žádný úsek textu"},
        {edited([](QJsonObject &r) {
             r.insert(QStringLiteral("document"),
                      QJsonArray{QJsonArray{QJsonObject{{QStringLiteral("text"), QStringLiteral("a\nb")}}}});
         }),
         "text položky „document[0][0]“ obsahuje konec řádku; každý řádek dokumentu je v souboru zvlášť"},
        {edited([](QJsonObject &r) {
             r.insert(QStringLiteral("document"),
                      QJsonArray{QJsonArray{QJsonObject{{QStringLiteral("text"), QStringLiteral("a")},
                                                        {QStringLiteral("size"), 0}}}});
         }),
         "velikost písma v položce „document[0][0]“ musí být číslo od 1 do 400 bodů"},
        {edited([](QJsonObject &r) {
             r.insert(QStringLiteral("document"),
                      QJsonArray{QJsonArray{QJsonObject{{QStringLiteral("text"), QStringLiteral("a")},
                                                        {QStringLiteral("bold"), 1}}}});
         }),
         "položka „document[0][0].bold“ má chybný typ, očekává se logická hodnota"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(messageOf(c.bytes), refusal(c.reason)) << c.bytes.left(200).toStdString();
}

TEST(ProjectFile, KeysOfANewerMinorVersionAreIgnored)
{
    const QByteArray bytes = edited([](QJsonObject &r) {
        r.insert(QStringLiteral("minorVersion"), 7);
        r.insert(QStringLiteral("results"), QJsonObject{{QStringLiteral("Label82"), QStringLiteral("12,00")}});
        QJsonObject edits = r.value(QStringLiteral("edits")).toObject();
        edits.insert(QStringLiteral("Edit18"), 5);
        r.insert(QStringLiteral("edits"), edits);
    });
    EXPECT_EQ(tragvel::project::parseProject(bytes, QStringLiteral("p.tragvel")), sampleProject());
}

TEST(ProjectFile, FilesAreWrittenWholeAndOversizedOnesNotRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("most12.tragvel"));
    tragvel::project::saveProjectFile(sampleProject(), path);
    EXPECT_EQ(readTestFile(path), tragvel::project::projectBytes(sampleProject()));
    EXPECT_EQ(tragvel::project::loadProjectFile(path), sampleProject());

    const QString missingDirectory = dir.filePath(QStringLiteral("no/such/p.tragvel"));
    try {
        tragvel::project::saveProjectFile(sampleProject(), missingDirectory);
        ADD_FAILURE() << "saved into a missing directory";
    } catch (const tragvel::FileError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Cannot create file ") + missingDirectory);
    }

    // A sparse file of 1 GB is refused by its size, before anything is read.
    const QString huge = dir.filePath(QStringLiteral("huge.tragvel"));
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(1) << 30));
    }
    try {
        tragvel::project::loadProjectFile(huge);
        ADD_FAILURE() << "read a file of 1 GB";
    } catch (const tragvel::FileError &e) {
        EXPECT_EQ(e.text(), q("Soubor „") + huge +
                                q("“ nelze otevřít jako projekt: soubor je příliš velký (1073741824 bajtů, projekt má "
                                  "nejvýše 32 MB). Vyberte soubor projektu (*.tragvel) uložený tímto programem."));
    }
}

} // namespace
