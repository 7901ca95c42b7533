#include "stringtable.h"

#include <QCoreApplication>

namespace StringTable {

QHash<int, QString> translate(const StringTableRow* rows, std::size_t count)
{
    QHash<int, QString> texts;
    texts.reserve(static_cast<qsizetype>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const StringTableRow& row = rows[i];
        texts.insert(row.key, QCoreApplication::translate(CONTEXT, row.text.source,
                                                          row.text.disambiguation));
    }
    return texts;
}

} // namespace StringTable
