#pragma once

#include <QList>
#include <QPair>
#include <QString>

// A configuration report as a PDF document: a title block, the cover sheet's texts and the
// device configuration, laid out on as many A4 pages as they need.
struct PdfReport
{
    using Rows = QList<QPair<QString, QString>>;

    QString title;
    Rows header; // device, versions, date
    QString coverSheetTitle;
    Rows coverSheet; // label and text of each cover-sheet field
    QString configurationTitle;
    Rows configuration; // label and value of each setting

    // Returns an empty text on success, else why it failed.
    QString write(const QString& path) const;
};
