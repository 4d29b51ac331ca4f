#include "testwindow.h"

#include "app/razorez.h"

Seams testSeams(PrinterPort& printer, ErrorSink showError)
{
    Seams seams;
    seams.screenSize = [] { return QSize(1024, 768); };
    seams.showError = std::move(showError);
    seams.runModal = [](QDialog&) {};
    seams.printer = &printer;
    return seams;
}

std::unique_ptr<Tphotofrm> startedWindow(const Seams& seams)
{
    auto window = std::make_unique<Tphotofrm>(seams);
    window->FormResize();
    window->FormActivate();
    return window;
}
