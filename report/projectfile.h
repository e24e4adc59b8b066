#pragma once

#include "common/celltable.h"
#include "report/textattributes.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <vector>

namespace tragvel::project {

// A project file (".tragvel") holds everything the user entered in the window, as JSON in UTF-8:
// the six grids cell by cell as their texts stand, the seventeen edit fields (Edit17 is the project
// name), the font size box, the open directories of the four file browsers and the report document
// with every character's height and style. Results are not stored; the checks recompute them.
inline constexpr int formatVersion = 1;      // a file of a higher version is refused
inline constexpr int formatMinorVersion = 0; // keys added by a higher minor version are ignored
inline constexpr qint64 maxFileBytes = 32 * 1024 * 1024;
inline constexpr int gridCount = 6;
inline constexpr int editCount = 17;
inline constexpr int directoryCount = 4;
inline constexpr int maxEditLength = 32767; // what an edit field holds
inline constexpr double maxPointSize = 400.0;

// A run of characters of one format. A point size of 0 stands for the document's default size.
struct DocumentRun
{
    QString text;
    double pointSize = 0.0;
    report::TextStyle style;

    friend bool operator==(const DocumentRun &, const DocumentRun &) = default;
};

// One line of the document; an empty line is one run without text that carries its format.
using DocumentParagraph = std::vector<DocumentRun>;

struct ProjectData
{
    std::array<CellTable, gridCount> grids;         // StringGrid1 .. StringGrid6
    std::array<QString, editCount> edits;           // Edit1 .. Edit17
    int fontSize = 8;                               // SpinEdit1
    std::array<QString, directoryCount> directories; // DirectoryListBox1 .. DirectoryListBox4
    std::vector<DocumentParagraph> document;

    friend bool operator==(const ProjectData &, const ProjectData &) = default;
};

// The shape a grid of the project must have: its column count and the most rows it may hold
// (header row included); every grid has at least a header row and one row below it.
struct GridShape
{
    int columns;
    int maxRows;
};
const std::array<GridShape, gridCount> &gridShapes();

// The file's bytes; the same project always gives the same bytes.
QByteArray projectBytes(const ProjectData &project);

// Reads and validates a whole project. Anything that is not a project of a version this program
// reads throws FileError with a Czech message that names the file (`path`, as shown to the user)
// and the reason; nothing is returned half-read.
ProjectData parseProject(const QByteArray &bytes, const QString &path);

// Reads the file (refusing one larger than maxFileBytes before reading it) and parses it.
ProjectData loadProjectFile(const QString &path);

// Writes the project so that an earlier file is replaced only by a complete new one.
// Throws FileError "Cannot create file <path>".
void saveProjectFile(const ProjectData &project, const QString &path);

} // namespace tragvel::project
