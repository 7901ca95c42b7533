#include "pdfreport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Draws rows of label and text down the page and starts a new page when one is full.
class ReportPainter
{
public:
    explicit ReportPainter(QPdfWriter& writer) : m_writer(writer), m_painter(&writer)
    {
        m_width = m_painter.viewport().width();
        m_height = m_painter.viewport().height();
    }

    bool isActive() const { return m_painter.isActive(); }

    void title(const QString& text, int pointSize)
    {
        QFont font(QStringLiteral("Liberation Sans"), pointSize, QFont::Bold);
        m_painter.setFont(font);
        const QRect bounds =
            m_painter.boundingRect(QRect(0, 0, m_width, m_height), Qt::TextWordWrap, text);
        makeRoom(bounds.height() * 2);
        m_painter.drawText(QRect(0, m_y, m_width, bounds.height()), Qt::TextWordWrap, text);
        m_y += bounds.height() + bounds.height() / 2;
    }

    void rows(const PdfReport::Rows& rows)
    {
        const int labelWidth = m_width * 35 / 100;
        const int textWidth = m_width - labelWidth;
        for (const auto& [label, text] : rows) {
            m_painter.setFont(QFont(QStringLiteral("Liberation Sans"), 10, QFont::Bold));
            const QRect labelBounds = m_painter.boundingRect(QRect(0, 0, labelWidth - 40, m_height),
                                                             Qt::TextWordWrap, label);
            m_painter.setFont(QFont(QStringLiteral("Liberation Sans"), 10));
            const QString shown = text.isEmpty() ? QStringLiteral("-") : text;
            const QRect textBounds =
                m_painter.boundingRect(QRect(0, 0, textWidth, m_height), Qt::TextWordWrap, shown);
            const int rowHeight = qMax(labelBounds.height(), textBounds.height());
            makeRoom(rowHeight);
            m_painter.setFont(QFont(QStringLiteral("Liberation Sans"), 10, QFont::Bold));
            m_painter.drawText(QRect(0, m_y, labelWidth - 40, rowHeight), Qt::TextWordWrap, label);
            m_painter.setFont(QFont(QStringLiteral("Liberation Sans"), 10));
            m_painter.drawText(QRect(labelWidth, m_y, textWidth, rowHeight), Qt::TextWordWrap,
                               shown);
            m_y += rowHeight + rowHeight / 4;
        }
        m_y += m_height / 40;
    }

private:
    void makeRoom(int height)
    {
        if (m_y + height <= m_height || m_y == 0)
            return;
        m_writer.newPage();
        m_y = 0;
    }

    QPdfWriter& m_writer;
    QPainter m_painter;
    int m_width = 0;
    int m_height = 0;
    int m_y = 0;
};

} // namespace

QString PdfReport::write(const QString& path) const
{
    if (path.isEmpty())
        return QStringLiteral("no file name");
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("cannot create the folder");
    // Written beside the target first, so that a failed report never replaces a good one.
    const QString partial = path + QStringLiteral(".part");
    QFile file(partial);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Quillmark"));
        ReportPainter painter(writer);
        if (!painter.isActive()) {
            file.remove();
            return QStringLiteral("cannot write the file");
        }
        painter.title(title, 18);
        painter.rows(header);
        painter.title(coverSheetTitle, 13);
        painter.rows(coverSheet);
        painter.title(configurationTitle, 13);
        painter.rows(configuration);
    }
    file.close();
    if (file.error() != QFile::NoError) {
        file.remove();
        return file.errorString();
    }
    QFile::remove(path);
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        return QStringLiteral("cannot write the file");
    }
    return {};
}
