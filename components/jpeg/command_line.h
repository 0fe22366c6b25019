// The converter's command line: program name, then the JPEG path and the BMP path.
#pragma once
#include <string>

namespace jpeg {

// Splits a whole command line (as GetCommandLineA gives it) into its two paths. The
// caller quotes each path in double quotes with nothing escaped, so a path may end in a
// backslash. The paths are taken from the end of the line, so an unquoted program path
// with blanks does no harm; an unquoted path runs from the previous blank. False unless
// exactly a program name and two non-empty paths are there.
bool ParseConverterCommandLine(const char* commandLine, std::string& jpegPath, std::string& bmpPath);

}  // namespace jpeg
