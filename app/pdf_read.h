// The file embedded in a PDF, read by the PDF module beside the program
// (app/pdf_read_module.cpp), loaded at its first use.
#pragma once

#include <string>

enum class EmbeddedFileFault {
  None,
  NoFile,   // a PDF without the file
  Damaged,  // a PDF that does not read whole, or a file that does not decode
};

// The module's entry: the file `name` embedded in the PDF `pdf`, its bytes
// into `data` and the checksum its entry gives (16 bytes of MD5, or empty).
using EmbeddedFileFunction = EmbeddedFileFault (*)(const std::string& pdf, const std::string& name, std::string& data,
                                                   std::string& checksum);
