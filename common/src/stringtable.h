#pragma once

#include <QHash>
#include <QString>
#include <cstddef>

// One row of a string table: a key with the English source text and its disambiguation, in
// the shape QT_TRANSLATE_NOOP3 gives them, so that lupdate finds every text of the tables.
struct StringTableRow
{
    int key;
    struct
    {
        const char* source;
        const char* disambiguation;
    } text;
};

namespace StringTable {

// The translation context of every text of both tables; the translation files are keyed by
// it together with the source text and the disambiguation.
inline constexpr char CONTEXT[] = "QTranslator";

// Every row's text in the language of the installed translators; a row without a
// translation keeps its English source text.
QHash<int, QString> translate(const StringTableRow* rows, std::size_t count);

} // namespace StringTable
