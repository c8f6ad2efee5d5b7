#include "lang/file_line_reader.h"

namespace ferrox {

LineReader FileLineReader(CStdioFileEx& file) {
    return [&file](std::wstring& line) {
        try {
            return file.ReadLine(line);
        } catch (const CFileException&) {
            line.clear();
            return false;
        }
    };
}

} // namespace ferrox
