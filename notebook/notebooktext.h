#pragma once

#include <QCoreApplication>
#include <QString>

// A text of the notebook's, in the user's language.
inline QString notebookText(const char* text)
{
    return QCoreApplication::translate("Notebook", text);
}

// A text with "%n" for a count, in the language's plural form for it.
inline QString notebookText(const char* text, int count)
{
    return QCoreApplication::translate("Notebook", text, nullptr, count);
}
