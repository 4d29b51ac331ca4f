#pragma once

#include <QCoreApplication>
#include <QString>

// A text of the notebook's, in the user's language.
inline QString notebookText(const char* text)
{
    return QCoreApplication::translate("Notebook", text);
}
