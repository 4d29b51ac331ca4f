#pragma once

#include <QString>
#include <functional>
#include <memory>

class QLocale;
class QTranslator;
class Tphotofrm;

// The program from start to end: application, translations, main window,
// About dialog and the event loop. `started` runs once the main window is
// shown.
int runProgram(int& argc, char** argv, const std::function<void(Tphotofrm&)>& started = {});

// The program's texts, and Qt's own for its dialogs, in the first language
// of `locale` that the program is translated into, installed for as long
// as this object lives. Where English comes first, or no language has a
// translation, the texts stay English, with English plural forms.
class Translations
{
public:
    explicit Translations(const QLocale& locale);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language installed ("de", "pt_BR", "zh_CN", ...), or empty for English.
    QString language() const { return language_; }

private:
    void install(std::unique_ptr<QTranslator> program);

    QString language_;
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
};
