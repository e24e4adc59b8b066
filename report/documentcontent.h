#pragma once

#include "report/projectfile.h"

#include <vector>

class QTextDocument;

namespace tragvel::project {

// The document's lines with every run of characters, its explicit point size and its style.
std::vector<DocumentParagraph> documentParagraphs(const QTextDocument &document);

// Replaces the whole content of the document by the lines; the undo history starts afresh.
void setDocumentParagraphs(QTextDocument &document, const std::vector<DocumentParagraph> &paragraphs);

} // namespace tragvel::project
