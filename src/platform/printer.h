#pragma once

#include <string>

class QPainter;
class QPaintDevice;
class QWidget;

namespace platform {

// A page of a printer, in the printer's own dots: what can be painted on, and how fine.
struct PrinterPage {
    int width = 0;   // printable width
    int height = 0;  // printable height
    int dpiX = 0;
    int dpiY = 0;
};

// The printer the print command prints on, with only the operations the command needs: the
// current printer and its name, its set-up dialog, its page in dots, and a titled document
// whose pages are drawn through one painter.
class Printer {
public:
    virtual ~Printer() = default;

    virtual std::string Name() const = 0;
    // True when documents become PDF files (no printer is installed, or the user chose to
    // print into a file): a document then needs a file name.
    virtual bool PrintsToFile() const = 0;
    virtual PrinterPage Page() const = 0;
    // A device with the printer's metrics, for measuring text before a document begins.
    virtual QPaintDevice& Canvas() = 0;
    // The printer set-up dialog; true when the user confirmed it (the printer may have
    // changed).
    virtual bool Setup(QWidget* owner) = 0;

    // Begins a document titled title on the current printer (into file when PrintsToFile).
    // Returns the painter of its first page, or nullptr with the reason in error.
    virtual QPainter* BeginDoc(const std::string& title, const std::string& file,
                               std::string& error) = 0;
    // Starts the next page of the document begun last.
    virtual bool NewPage() = 0;
    // Ends the document; false with the reason in error when it could not be finished.
    virtual bool EndDoc(std::string& error) = 0;
};

}  // namespace platform
