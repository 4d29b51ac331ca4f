#pragma once

#include "app/seams.h"
#include "recordingprinter.h"

#include <functional>
#include <memory>

class Tphotofrm;

using ErrorSink = std::function<void(const QString& caption, const QString& text)>;

// A stand-in platform for a window under test: a 1024 x 768 screen, modal
// dialogs that close at once, the given printer, and errors to `showError`.
Seams testSeams(PrinterPort& printer, ErrorSink showError);

// The window as the program has it once first shown: created, sized and
// activated.
std::unique_ptr<Tphotofrm> startedWindow(const Seams& seams);
