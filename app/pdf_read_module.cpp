// Reads a file embedded in a PDF, in a module of its own: the program loads
// it at the first opening of a record, so that starting the program loads no
// PDF library. The PDF is read by qpdf, whatever wrote it.
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QUtil.hh>

#include <QtGlobal>
#include <exception>
#include <string>

#include "app/pdf_read.h"

extern "C" Q_DECL_EXPORT EmbeddedFileFault PluvikEmbeddedFile(const std::string& pdf, const std::string& name,
                                                              std::string& data, std::string& checksum) {
  try {
    QPDF document;
    document.setSuppressWarnings(true);
    document.processMemoryFile("record", pdf.data(), pdf.size());
    QPDFEmbeddedFileDocumentHelper files(document);
    std::shared_ptr<QPDFFileSpecObjectHelper> found;
    // The name tree's key, or the file name the file's entry gives.
    for (const auto& [key, file] : files.getEmbeddedFiles())
      if (key == name || file->getFilename() == name) found = file;
    // qpdf mends what it can of a damaged document (wrong cross-references);
    // the calculation's own checksum tells whether what it found is whole.
    if (!found) return EmbeddedFileFault::NoFile;
    QPDFEFStreamObjectHelper stream(found->getEmbeddedFileStream());
    const std::shared_ptr<Buffer> bytes = stream.getObjectHandle().getStreamData(qpdf_dl_generalized);
    data.assign(reinterpret_cast<const char*>(bytes->getBuffer()), bytes->getSize());
    checksum = stream.getChecksum();
    return EmbeddedFileFault::None;
  } catch (const std::exception&) {
    return EmbeddedFileFault::Damaged;
  }
}
