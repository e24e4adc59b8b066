#pragma once

class TForm1;

// The project menu's "Exportovat PDF…" and "Tisk…": the report document and the pictures of the
// checked inputs on A4 pages, into a PDF beside the project's other output files or on a printer.
void addReportExportActions(TForm1 &form);
