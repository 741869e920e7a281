// The print dialog, in a module of its own: the program loads it at the first
// Ctrl+P, so that starting the program loads no printing library.
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <functional>

class QPagedPaintDevice;
class QWidget;

// `setup` proposes the page, `paint` draws the pages on the printer the user
// chose (without a printer the dialog still offers a PDF file).
extern "C" Q_DECL_EXPORT void PluvikPrint(QWidget* parent, const std::function<void(QPagedPaintDevice&)>& setup,
                                          const std::function<int(QPagedPaintDevice&)>& paint) {
  QPrinter printer(QPrinter::HighResolution);
  setup(printer);
  QPrintPreviewDialog preview(&printer, parent);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&paint](QPrinter* target) { paint(*target); });
  preview.exec();
}
